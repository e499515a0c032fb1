// Every feature that comes on top of the main window, installed on a loaded window in the
// program's order: editing, the quote, help and about, the price list, the product report,
// spreadsheets and the handheld. The program and its tests install them the same way.
#pragma once

namespace vendara {

class frmMain;

class ProgramFeatures
{
public:
    static void install(frmMain &window);
};

} // namespace vendara
