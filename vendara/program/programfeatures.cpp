#include "programfeatures.h"

#include "vendara/window/catalogueediting.h"
#include "vendara/window/frmmain.h"
#include "vendara/window/helpcommands.h"
#include "vendara/window/pricelistcommands.h"
#include "vendara/window/productreportcommand.h"
#include "vendara/window/quotefeature.h"

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
    ExchangeCommands *exchange = ExchangeCommands::install(window);
    // A spreadsheet dropped on the window: the toolbar's question, then the update with it.
    QObject::connect(&window, &frmMain::spreadsheetDropped, exchange,
                     [exchange](const QString &path) {
                         exchange->update(SpreadsheetQuestions::From::Toolbar, path);
                     });
}

} // namespace vendara
