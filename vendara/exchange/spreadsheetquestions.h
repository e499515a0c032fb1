// The questions the toolbar and the "File" menu ask before the spreadsheet update and the
// export. The toolbar and the menu word them differently; both have Yes and No.
#pragma once

namespace prompt {
class Prompter;
}

namespace vendara {

class SpreadsheetQuestions
{
public:
    enum class From { Toolbar, Menu };

    // "Input Excel Data": take products from a spreadsheet?
    [[nodiscard]] static bool askUpdate(prompt::Prompter &prompter, From from);
    // "Export to File": write the products to a file for spreadsheets?
    [[nodiscard]] static bool askExport(prompt::Prompter &prompter, From from);
};

} // namespace vendara
