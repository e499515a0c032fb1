// What lives from start to exit of the catalogue program and every command may use: the
// program folder, the settings store, the prompter, the diagnostic trace, the product table
// and its store, and the recovery file that follows the table. The catalogue file's path is
// fixed once, here.
#pragma once

#include "cataloguerecovery.h"
#include "products.h"
#include "programfolder.h"
#include "settingsstore.h"
#include "table.h"
#include "trace.h"

namespace prompt {
class Prompter;
}

namespace vendara {

class HelpTopics;

class ProgramContext
{
public:
    ProgramContext(ProgramFolder folder, prompt::Prompter &prompter, bool trace);
    ProgramContext(const ProgramContext &) = delete;
    ProgramContext &operator=(const ProgramContext &) = delete;

    [[nodiscard]] const ProgramFolder &folder() const { return mFolder; }
    [[nodiscard]] SettingsStore &settings() { return mSettings; }
    [[nodiscard]] prompt::Prompter &prompter() const { return mPrompter; }
    [[nodiscard]] const Trace &trace() const { return mTrace; }
    [[nodiscard]] Table &productTable() { return mProductTable; }
    [[nodiscard]] Products &products() { return mProducts; }
    // The program folder's (or the user's data folder's) "vadata.dat".
    [[nodiscard]] const QString &catalogueFile() const { return mCatalogueFile; }
    [[nodiscard]] CatalogueRecovery &recovery() { return mRecovery; }
    // Closing: saves the catalogue (Products::save) and, when it was written, removes the
    // recovery file; a change not yet in the recovery file is written there first. False when
    // the save failed and the user chose to stay.
    [[nodiscard]] bool saveCatalogue();
    // The program's help; null until the help window is installed (commands then open none).
    [[nodiscard]] HelpTopics *help() const { return mHelp; }
    void setHelp(HelpTopics *help) { mHelp = help; }

private:
    ProgramFolder mFolder;
    SettingsStore mSettings;
    prompt::Prompter &mPrompter;
    Trace mTrace;
    Table mProductTable;
    Products mProducts;
    QString mCatalogueFile;
    CatalogueRecovery mRecovery;
    HelpTopics *mHelp = nullptr;
};

} // namespace vendara
