// The product report: its eight pieces with their fonts, sizes and bold runs, as the
// document and as a word processor reads the RTF.

#include "rtfreader.h"

#include "vendara/pricing/rtfwriter.h"
#include "vendara/store/productcolumns.h"
#include "vendara/store/table.h"
#include "vendara/window/productreport.h"

#include <gtest/gtest.h>

namespace {

using namespace vendara;

// Two products: one with every part, one with nothing but a part number, a price typed as
// text and only price point 3.
void fill(Table &table)
{
    table.setBounds(2, product::ColumnCount);
    table.setCell(1, product::PartNumber, Cell(QStringLiteral("A-1")));
    table.setCell(1, product::ProductName, Cell(QStringLiteral("Anchor bolt {M8}")));
    table.setCell(1, product::Price, Cell(1234.5f));
    table.setCell(1, product::Includes, Cell(QStringLiteral("Washers\r\nNuts")));
    table.setCell(1, product::Notes, Cell(QStringLiteral("Zinc plated.\r\n\r\nBox of 50.")));
    table.setCell(1, product::pricePointQuantity(1), Cell(QStringLiteral("10")));
    table.setCell(1, product::pricePointPrice(1), Cell(QStringLiteral("11.00")));
    table.setCell(1, product::pricePointQuantity(2), Cell(QStringLiteral("50")));
    table.setCell(1, product::pricePointPrice(2), Cell(QStringLiteral("9.75")));
    table.setCell(2, product::PartNumber, Cell(QStringLiteral("B-2")));
    table.setCell(2, product::Price, Cell(QStringLiteral("5")));
    table.setCell(2, product::pricePointQuantity(3), Cell(QStringLiteral("100")));
    table.setCell(2, product::pricePointPrice(3), Cell(QStringLiteral("4")));
}

TEST(ProductReportTest, EightPiecesInArialWithTheirSizesAndBoldRuns)
{
    Table products;
    fill(products);
    const RichDocument report = ProductReport::build(products, 1);
    EXPECT_EQ(report.fontFamily(), QStringLiteral("Arial"));
    const QList<TextRun> expected = {
        {QStringLiteral("Product Report\n"), {true, 12}},
        {QStringLiteral("Part Number  A-1\tAnchor bolt {M8}\nPrice: $1,234.50\n\n"), {false, 8}},
        {QStringLiteral("Includes:\n"), {true, 12}},
        {QStringLiteral("Washers\nNuts\n\n"), {false, 10}},
        {QStringLiteral("Notes:\n"), {true, 12}},
        {QStringLiteral("Zinc plated.\n\nBox of 50.\n\n"), {false, 10}},
        {QStringLiteral("Discount Schedule:\n"), {true, 12}},
        {QStringLiteral("10 - $11.00;   50 - $9.75"), {false, 10}},
    };
    EXPECT_EQ(report.runs(), expected);
    // Single line feeds only.
    EXPECT_FALSE(report.plainText().contains(QLatin1Char('\r')));
}

TEST(ProductReportTest, EmptyPartsKeepTheirHeadingsAndBlankLines)
{
    Table products;
    fill(products);
    const RichDocument report = ProductReport::build(products, 2);
    EXPECT_EQ(report.plainText(), QStringLiteral("Product Report\n"
                                                 "Part Number  B-2\t\nPrice: $5.00\n\n"
                                                 "Includes:\n\n\n"
                                                 "Notes:\n\n\n"
                                                 "Discount Schedule:\n"
                                                 ";   100 - $4"));
}

TEST(ProductReportTest, AWordProcessorReadsTheSameReport)
{
    Table products;
    fill(products);
    const RichDocument report = ProductReport::build(products, 1);
    const testsupport::RtfDocument rtf = testsupport::readRtf(RtfWriter::write(report));
    ASSERT_TRUE(rtf.valid) << rtf.error.toStdString();
    EXPECT_EQ(rtf.text(), report.plainText());
    EXPECT_EQ(rtf.boldTexts(),
              QStringList({"Product Report\n", "Includes:\n", "Notes:\n", "Discount Schedule:\n"}));
    for (const testsupport::RtfRun &run : rtf.runs)
        EXPECT_EQ(run.font, QStringLiteral("Arial"));
    const QString text = rtf.text();
    EXPECT_EQ(rtf.runAt(text.indexOf(QLatin1String("Part Number")))->pointSize, 8);
    EXPECT_EQ(rtf.runAt(text.indexOf(QLatin1String("Box of 50")))->pointSize, 10);
    EXPECT_EQ(rtf.runAt(text.indexOf(QLatin1String("Notes:")))->pointSize, 12);
}

} // namespace
