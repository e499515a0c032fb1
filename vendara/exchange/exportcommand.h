// `Export`: the whole catalogue to a file a spreadsheet program opens. The user picks the
// file (and confirms replacing an existing one); a name ending in ".xlsx" gives a workbook,
// any other name the tab-separated text form (see ExportFile).
#pragma once

// std
#include <functional>

namespace prompt {
class Prompter;
}

namespace vendara {

class SpreadsheetFiles;
class Table;

class ExportCommand
{
public:
    struct WindowSteps
    {
        // Before the dialog: the grid's "Price" column becomes visible and stays so.
        std::function<void()> showPriceColumn;
        // After the file is chosen: a pending edit in the price schedule is ended.
        std::function<void()> endScheduleEdit;
    };

    ExportCommand(const Table &products, prompt::Prompter &prompter, SpreadsheetFiles &files,
                  WindowSteps steps = {});

    // Cancel writes nothing and says nothing. A file that cannot be written is reported.
    // True when a file was written.
    bool Export();

private:
    const Table &mProducts;
    prompt::Prompter &mPrompter;
    SpreadsheetFiles &mFiles;
    WindowSteps mSteps;
};

} // namespace vendara
