// "&Copy Product Info" on the main window: the current product's report on the clipboard,
// replacing what was there.

#include "catalogue.h"
#include "rtfreader.h"

#include "tests/support/scriptedprompter.h"
#include "tests/vendara/window/cataloguewindowfixture.h"
#include "vendara/pricing/documentmime.h"
#include "vendara/store/programcontext.h"
#include "vendara/window/frmmain.h"
#include "vendara/window/productreport.h"
#include "vendara/window/productreportcommand.h"

// Qt
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include <gtest/gtest.h>

namespace {

using namespace vendara;
using testsupport::record;

class ProductReportCommandTest : public testsupport::CatalogueWindowFixture
{
protected:
    void open(const QByteArray &bytes)
    {
        testsupport::writeBytes(catalogue(), bytes);
        CatalogueWindowFixture::open();
        mCommand = ProductReportCommand::install(*mWindow);
    }

    ProductReportCommand *mCommand = nullptr;
};

TEST_F(ProductReportCommandTest, BothMenusCopyTheCurrentProductsReport)
{
    open(record({"A-1", "Anchor bolt", "12.5", "Zinc plated.", "Washers", "10", "11.00"})
         + record({"B-2", "Bracket", "3.75"}));
    QClipboard *clipboard = QGuiApplication::clipboard();
    auto *earlier = new QMimeData;
    earlier->setText(QStringLiteral("earlier"));
    earlier->setData(QStringLiteral("image/png"), "png");
    clipboard->setMimeData(earlier);

    mWindow->setCurrentRow(2);
    mWindow->action(QStringLiteral("mnucopyproduct"))->trigger();
    const QMimeData *data = clipboard->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_FALSE(data->hasFormat(QStringLiteral("image/png")));
    EXPECT_TRUE(data->hasHtml());
    EXPECT_EQ(data->text(), ProductReport::build(mContext->productTable(), 2).plainText());
    const testsupport::RtfDocument rtf = testsupport::readRtf(data->data(DocumentMime::rtfType()));
    ASSERT_TRUE(rtf.valid);
    EXPECT_TRUE(rtf.text().startsWith(QStringLiteral("Product Report\nPart Number  B-2\tBracket\n"
                                                     "Price: $3.75\n\n")));
    EXPECT_EQ(mCommand->lastReport().runs(),
              ProductReport::build(mContext->productTable(), 2).runs());

    // The grid's pop-up menu does the same for the row that was right-clicked (now current).
    mWindow->setCurrentRow(1);
    mWindow->action(QStringLiteral("mnuCopyProductInfo"))->trigger();
    EXPECT_TRUE(clipboard->text().endsWith(QStringLiteral("Discount Schedule:\n10 - $11.00")));
    EXPECT_TRUE(mPrompter.prompts().isEmpty());
}

TEST_F(ProductReportCommandTest, WithoutProductsTheClipboardStaysAsItWas)
{
    open(QByteArray());
    QGuiApplication::clipboard()->setText(QStringLiteral("earlier"));
    mWindow->action(QStringLiteral("mnucopyproduct"))->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("earlier"));
    EXPECT_TRUE(mCommand->lastReport().isEmpty());
}

} // namespace
