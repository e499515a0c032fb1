// Sending products to the handheld (`Palmpilot`): the products shown, or the selected ones
// with the current row, go into a CSV file named after a group name the user gives; the
// converter turns it into a database laid out like the template "prodnocog.pjt" and installs
// it for the first handheld user. Both files live in a private temporary folder of the
// hand-off, so no file of the user's that has the same name is touched. Vendara waits for the
// converter (the window goes on handling its events), says the products will arrive at the
// next HotSync only when the converter succeeded, and then removes the folder with the CSV
// file and the database.
#pragma once

#include "common/prompt/prompter.h"

// Qt
#include <QList>
#include <QString>
#include <QStringList>

// std
#include <functional>
#include <memory>

class QTemporaryDir;

namespace vendara {

class ConverterLauncher;
class HelpTopics;
class ProgramFolder;
class Table;

class HandheldExport
{
public:
    static constexpr int kHelpTopic = 2050;
    // The database name on the handheld holds 31 characters.
    static constexpr int kMaxGroupName = 31;

    // `help` gives the program's help when it is wanted (null: none).
    HandheldExport(const Table &products, const ProgramFolder &folder, prompt::Prompter &prompter,
                   ConverterLauncher &launcher, std::function<HelpTopics *()> help);
    ~HandheldExport();
    HandheldExport(const HandheldExport &) = delete;
    HandheldExport &operator=(const HandheldExport &) = delete;

    // The hourglass while the file is written and the converter runs.
    void setBusyHandler(std::function<void(bool)> busy);

    // The command. `selection`: the selected rows of the product grid (table rows, in the
    // order they were selected); `currentRow`: the grid's current row (0 for none). An empty
    // selection sends the products shown. True when the products were sent.
    bool Palmpilot(const QList<int> &selection, int currentRow);

    // The CSV file for all products of the table, rows 1 to the last, in table order; and
    // for the selection with the current row added; in the hand-off's folder, which is made
    // when there is none. False after "Error creating file for Palm application" was shown.
    bool CreateCSV(const QString &name);
    bool CreateCsvBkMrk(const QString &name, QList<int> selection, int currentRow);

    // The private folder of the hand-off (0700, in the system's temporary folder), empty text
    // when there is none. A hand-off removes it when it ends, unless the converter did not end
    // normally (its files are then kept for the user).
    [[nodiscard]] QString workFolder() const;

    // The files in the hand-off's folder and the converter's command line for a group name.
    [[nodiscard]] QString csvPath(const QString &name) const;
    [[nodiscard]] QString databasePath(const QString &name) const;
    [[nodiscard]] QString converterProgram() const;
    [[nodiscard]] QStringList converterArguments(const QString &name) const;

    // Whether a group name can name the files and the database: not blank, no "/", "\", "{",
    // "}" or control character, no leading ".", only Windows-1252 characters, at most 31.
    [[nodiscard]] static bool isValidGroupName(const QString &name);

private:
    bool writeCsv(const QString &name, const QList<int> &rows);
    bool makeWorkFolder();
    void endHandOff(bool keepFiles);
    void busy(bool on);
    // A message box, with the normal pointer while it is open.
    prompt::Answer tell(const QString &text, const QString &caption,
                        prompt::Buttons buttons = prompt::Buttons::Ok,
                        prompt::Icon icon = prompt::Icon::None);

    const Table &mProducts;
    const ProgramFolder &mFolder;
    prompt::Prompter &mPrompter;
    ConverterLauncher &mLauncher;
    std::function<HelpTopics *()> mHelp;
    std::function<void(bool)> mBusy;
    bool mBusyOn = false;
    bool mRunning = false;
    std::unique_ptr<QTemporaryDir> mWorkFolder;
};

} // namespace vendara
