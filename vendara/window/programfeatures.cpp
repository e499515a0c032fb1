#include "programfeatures.h"

#include "catalogueediting.h"
#include "helpcommands.h"
#include "pricelistcommands.h"
#include "productreportcommand.h"
#include "quotefeature.h"

#include "vendara/exchange/exchangecommands.h"

namespace vendara {

void ProgramFeatures::install(frmMain &window)
{
    CatalogueEditing::install(window);
    QuoteFeature::install(window);
    // Help first: the later features open its topics.
    HelpCommands::install(window);
    PriceListCommands::install(window);
    ProductReportCommand::install(window);
    ExchangeCommands::install(window);
}

} // namespace vendara
