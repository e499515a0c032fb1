// The main window's file dialog as the spreadsheet commands use it: one dialog state, so the
// file chosen last is where the next dialog starts. `Getfile` picks the workbook of the
// spreadsheet update; `chooseExportFile` the target of the export, asking before an existing
// file is replaced.
#pragma once

// Qt
#include <QString>

namespace prompt {
class Prompter;
}

namespace vendara {

class SpreadsheetFiles
{
public:
    // `folder`: where the first open dialog starts ("*.xls" there).
    SpreadsheetFiles(prompt::Prompter &prompter, QString folder);

    // The open dialog: the chosen file, or empty text when it was cancelled.
    [[nodiscard]] QString Getfile();
    // The save dialog, shown again whenever the user declines to overwrite an existing file;
    // empty text when it was cancelled. The first one starts in the folder with no file name.
    // A name without an extension chosen under the workbook entry gets ".xlsx".
    [[nodiscard]] QString chooseExportFile();

    // The dialog's file name: the file chosen last, or the pattern it started with.
    [[nodiscard]] const QString &fileName() const { return mFileName; }

private:
    prompt::Prompter &mPrompter;
    QString mFolder;
    QString mFileName;
};

} // namespace vendara
