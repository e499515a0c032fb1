// "Print Price List" and "Setup" on the main window: the printed list in the grid's order,
// the printer dialog, the preview, failures, and the grid's columns afterwards.

#include "catalogue.h"
#include "pdftext.h"

#include "tests/support/scriptedprompter.h"
#include "tests/vendara/window/cataloguewindowfixture.h"
#include "vendara/store/programcontext.h"
#include "vendara/window/frmmain.h"
#include "vendara/window/pricelistcommands.h"
#include "vendara/window/printingtexts.h"
#include "vendara/window/printpreview.h"
#include "vendara/window/productgrid.h"

// Qt
#include <QAction>
#include <QPrintPreviewWidget>
#include <QToolBar>

#include <gtest/gtest.h>

namespace {

using namespace vendara;
using testsupport::pdfText;
using testsupport::record;

class PriceListCommandsTest : public testsupport::CatalogueWindowFixture
{
protected:
    PriceListCommandsTest()
        : CatalogueWindowFixture(record({"A-1", "Zinc anchor bolt", "12.5"})
                                 + record({"B-2", "Bracket", "3.75"})
                                 + record({"C-3", "Clamp, steel", "1200"}))
    {}
    void SetUp() override
    {
        CatalogueWindowFixture::SetUp();
        open();
        mCommands = PriceListCommands::install(*mWindow);
    }

    QString pdf(const char *name) const { return QDir(mDir.path()).filePath(QLatin1String(name)); }
    // "Price" hidden and "Product Name" 5000 twips wide.
    void expectGridAfterPrinting()
    {
        ProductGrid *grid = mWindow->productGrid();
        EXPECT_TRUE(grid->isColumnHidden(ProductGrid::PriceColumn));
        EXPECT_EQ(grid->columnWidth(ProductGrid::ProductNameColumn),
                  mWindow->twips().toPixels(5000));
        EXPECT_FALSE(grid->isColumnHidden(ProductGrid::PartNumberColumn));
    }

    PriceListCommands *mCommands = nullptr;
};

TEST_F(PriceListCommandsTest, PrintPriceListPrintsEveryProductInTheGridsOrder)
{
    // Sorted by product name: Bracket, Clamp, Zinc anchor bolt.
    mWindow->sortByColumn(ProductGrid::ProductNameColumn);
    mPrompter.printToPdf(pdf("list.pdf"));
    mWindow->action(QStringLiteral("mnuPrint"))->trigger();

    ASSERT_EQ(mPrompter.prompts().size(), 1);
    EXPECT_EQ(mPrompter.prompts()[0].kind, testsupport::RecordedPrompt::Kind::Printer);
    EXPECT_EQ(mPrompter.prompts()[0].text, QStringLiteral("Print Price List"));
    EXPECT_EQ(pdfText(pdf("list.pdf")), QStringLiteral("Vendara Price list\n"
                                                       "Part Number Product Name Price\n"
                                                       "B-2 Bracket $3.75\n"
                                                       "C-3 Clamp, steel $1,200.00\n"
                                                       "A-1 Zinc anchor bolt $12.50\n"
                                                       "Page: 1"));
    expectGridAfterPrinting();
}

TEST_F(PriceListCommandsTest, CancelPrintsNothingAndAFailureIsReported)
{
    mPrompter.cancelPrinter();
    mWindow->action(QStringLiteral("mnuPrint"))->trigger();
    EXPECT_EQ(mPrompter.prompts().size(), 1);
    EXPECT_TRUE(QDir(mDir.path()).entryList({QStringLiteral("*.pdf")}).isEmpty());
    expectGridAfterPrinting();

    mPrompter.clear();
    mPrompter.printToPdf(pdf("missing/folder/list.pdf"));
    mWindow->action(QStringLiteral("mnuPrint"))->trigger();
    ASSERT_EQ(mPrompter.prompts().size(), 2);
    EXPECT_EQ(mPrompter.prompts()[1].text,
              QStringLiteral("The price list could not be printed on \"%1\". Check the printer, "
                             "or the folder and name of the PDF file, and try again.")
                  .arg(pdf("missing/folder/list.pdf")));
    EXPECT_EQ(mPrompter.prompts()[1].caption, QStringLiteral("Print Price List"));
    EXPECT_EQ(mPrompter.prompts()[1].icon, prompt::Icon::Exclamation);
    expectGridAfterPrinting();
}

TEST_F(PriceListCommandsTest, SetupPreviewsTheListAndPrintsFromThePreview)
{
    ProductGrid *grid = mWindow->productGrid();
    bool seen = false;
    mCommands->setPreviewShown([&](PrintPreview &preview) {
        seen = true;
        // While the list is shown the grid has its price column and a narrow product name.
        EXPECT_FALSE(grid->isColumnHidden(ProductGrid::PriceColumn));
        EXPECT_EQ(grid->columnWidth(ProductGrid::ProductNameColumn),
                  mWindow->twips().toPixels(1500));
        EXPECT_TRUE(preview.isModal());
        EXPECT_EQ(preview.windowTitle(), QStringLiteral("Print Preview - Vendara Price list"));
        EXPECT_EQ(preview.pageCount(), 1);
        EXPECT_EQ(preview.pageText(), QStringLiteral("Page 1 of 1"));
        // Every button has its picture, from the theme or shipped with Qt.
        for (const QToolBar *tools : preview.findChildren<QToolBar *>()) {
            for (const QAction *action : tools->actions()) {
                if (!action->isSeparator() && action->objectName() != QLatin1String("Close")
                    && !action->text().isEmpty()) {
                    EXPECT_FALSE(action->icon().isNull()) << action->text().toStdString();
                }
            }
        }
        mPrompter.printToPdf(pdf("preview.pdf"));
        preview.printAction()->trigger();
    });
    mWindow->action(QStringLiteral("mnuPreview"))->trigger();
    EXPECT_TRUE(seen);
    EXPECT_TRUE(pdfText(pdf("preview.pdf")).startsWith(QStringLiteral("Vendara Price list\n")));
    expectGridAfterPrinting();

    // Closing the preview without printing.
    mPrompter.clear();
    mCommands->setPreviewShown([&](PrintPreview &preview) { preview.reject(); });
    mWindow->action(QStringLiteral("mnuPreview"))->trigger();
    EXPECT_TRUE(mPrompter.prompts().isEmpty());
    expectGridAfterPrinting();
}

} // namespace
