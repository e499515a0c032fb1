#include "programcontext.h"

namespace vendara {

ProgramContext::ProgramContext(ProgramFolder folder, prompt::Prompter &prompter, bool trace)
    : mFolder(std::move(folder))
    , mPrompter(prompter)
    , mTrace(trace, &prompter)
    , mProducts(mProductTable, &prompter, &mTrace)
    , mCatalogueFile(mFolder.catalogueFile())
{
    mFolder.seedCatalogue();
}

} // namespace vendara
