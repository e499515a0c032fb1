#include "pricelistcommands.h"

#include "frmmain.h"
#include "printingtexts.h"
#include "printpreview.h"
#include "pricelistprinter.h"
#include "productgrid.h"

#include "common/prompt/prompter.h"
#include "vendara/store/programcontext.h"

// Qt
#include <QDir>
#include <QPrinter>
#include <QTimer>

namespace vendara {

PriceListCommands *PriceListCommands::install(frmMain &window)
{
    return new PriceListCommands(window);
}

PriceListCommands::PriceListCommands(frmMain &window)
    : QObject(&window)
    , mWindow(window)
{
    window.commands().add(QStringLiteral("mnuPrint"), [this] { print(); });
    window.commands().add(QStringLiteral("mnuPreview"), [this] { preview(); });
}

void PriceListCommands::beginPrinting()
{
    ProductGrid *grid = mWindow.productGrid();
    grid->setColumnHidden(ProductGrid::PriceColumn, false);
    grid->setColumnWidth(ProductGrid::ProductNameColumn,
                         mWindow.twips().toPixels(kPrintingNameWidth));
}

void PriceListCommands::endPrinting()
{
    ProductGrid *grid = mWindow.productGrid();
    grid->setColumnWidth(ProductGrid::ProductNameColumn, mWindow.twips().toPixels(kNameWidthAfter));
    grid->setColumnHidden(ProductGrid::PriceColumn, true);
}

void PriceListCommands::print()
{
    beginPrinting();
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(PriceList::pageHeader());
    chooseAndPrint(printer, PriceList::rows(mWindow.context().productTable()));
    endPrinting();
}

void PriceListCommands::preview()
{
    beginPrinting();
    const QList<PriceListRow> rows = PriceList::rows(mWindow.context().productTable());
    const PriceListPrinter pages(rows);
    PrintPreview window(
        PriceList::pageHeader(), [&](QPagedPaintDevice &device) { return pages.print(device); },
        [&](QPrinter &printer) { return chooseAndPrint(printer, rows); }, &mWindow);
    if (mPreviewShown) {
        QTimer::singleShot(0, &window, [&] {
            if (mPreviewShown)
                mPreviewShown(window);
        });
    }
    window.exec();
    endPrinting();
}

bool PriceListCommands::chooseAndPrint(QPrinter &printer, const QList<PriceListRow> &rows)
{
    prompt::Prompter &prompter = mWindow.context().prompter();
    if (!prompter.choosePrinter(printer, texts::printPriceListCaption()))
        return false;
    if (PriceListPrinter(rows).print(printer) > 0)
        return true;
    const QString where = printer.outputFormat() == QPrinter::PdfFormat
                              ? QDir::toNativeSeparators(printer.outputFileName())
                              : printer.printerName();
    prompter.message(texts::priceListNotPrinted(where), texts::printPriceListCaption(),
                     prompt::Buttons::Ok, prompt::Icon::Exclamation);
    return false;
}

} // namespace vendara
