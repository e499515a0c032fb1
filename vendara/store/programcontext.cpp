#include "programcontext.h"

namespace vendara {

ProgramContext::ProgramContext(ProgramFolder folder, prompt::Prompter &prompter, bool trace)
    : mFolder(std::move(folder))
    , mPrompter(prompter)
    , mTrace(trace, &prompter)
    , mProducts(mProductTable, &prompter, &mTrace)
    , mCatalogueFile(mFolder.catalogueFile())
    , mRecovery(mProducts, mCatalogueFile, &prompter)
{
    mFolder.seedCatalogue();
}

bool ProgramContext::saveCatalogue()
{
    mRecovery.flush();
    if (!mProducts.save(mCatalogueFile))
        return false;
    if (mProducts.lastSaveWrote())
        mRecovery.catalogueSaved();
    return true;
}

} // namespace vendara
