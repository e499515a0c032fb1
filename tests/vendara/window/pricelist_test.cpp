// The price list: page header and footer sections, the rows taken from the product table,
// and the printed pages as a PDF reader sees them.

#include "vendara/store/productcolumns.h"
#include "vendara/store/table.h"
#include "vendara/window/pagesections.h"
#include "vendara/window/pricelist.h"
#include "vendara/window/pricelistprinter.h"

// Qt
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using namespace vendara;

// The text of a PDF file as pdftotext lays it out, one string per page.
QStringList pdfPages(const QString &pdf)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {QStringLiteral("<pdftotext failed>")};
    QStringList pages = QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\f'));
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

struct PdfWord
{
    QString text;
    double left = 0;
    double right = 0;
    double top = 0;
};

// The words of the first page with their boxes, and the page's width (in points).
QList<PdfWord> pdfWords(const QString &pdf, double &pageWidth)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), QStringLiteral("-l"),
                                                QStringLiteral("1"), pdf, QStringLiteral("-")});
    process.waitForFinished(30000);
    const QString html = QString::fromUtf8(process.readAllStandardOutput());
    static const QRegularExpression page(QStringLiteral("<page width=\"([0-9.]+)\""));
    pageWidth = page.match(html).captured(1).toDouble();
    static const QRegularExpression word(QStringLiteral(
        "<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"[0-9.]+\">"
        "([^<]*)</word>"));
    QList<PdfWord> words;
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        words.append({m.captured(4), m.captured(1).toDouble(), m.captured(3).toDouble(),
                      m.captured(2).toDouble()});
    }
    return words;
}

// The words of a laid-out line, single-spaced.
QString squeeze(const QString &line)
{
    return line.simplified();
}

int printTo(const QString &pdf, const QList<PriceListRow> &rows)
{
    QPdfWriter writer(pdf);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    return PriceListPrinter(rows).print(writer);
}

TEST(PageSectionsTest, TabsStartSectionsAndPageNumbersAreFilledIn)
{
    EXPECT_EQ(PageSections::expand(PriceList::pageFooter(), 3),
              (PageSections{QString(), QStringLiteral("Page: 3"), QString()}));
    EXPECT_EQ(PageSections::expand(PriceList::pageHeader(), 1),
              (PageSections{QStringLiteral("Vendara Price list"), QString(), QString()}));
    EXPECT_EQ(
        PageSections::expand(QStringLiteral("L\tC\\tR \\p\\tmore"), 12),
        (PageSections{QStringLiteral("L"), QStringLiteral("C"), QStringLiteral("R 12 more")}));
    // A backslash before anything else stays.
    EXPECT_EQ(PageSections::expand(QStringLiteral("C:\\data\\list"), 1).left,
              QStringLiteral("C:\\data\\list"));
}

TEST(PriceListTest, RowsFollowTheTableWithPricesInTheCurrencyForm)
{
    Table table;
    table.setBounds(3, product::ColumnCount);
    table.setCell(1, product::PartNumber, Cell(QStringLiteral("B-2")));
    table.setCell(1, product::ProductName, Cell(QStringLiteral("Bracket")));
    table.setCell(1, product::Price, Cell(3.75f));
    table.setCell(2, product::PartNumber, Cell(QStringLiteral("A-1")));
    table.setCell(2, product::ProductName, Cell(QStringLiteral("Anchor\r\nbolt")));
    table.setCell(2, product::Price, Cell(QStringLiteral("1234.5")));
    table.setCell(3, product::PartNumber, Cell(QStringLiteral("C-3")));
    table.setCell(3, product::Price, Cell(QStringLiteral("on request")));
    EXPECT_EQ(PriceList::rows(table), (QList<PriceListRow>{{"B-2", "Bracket", "$3.75"},
                                                           {"A-1", "Anchor bolt", "$1,234.50"},
                                                           {"C-3", "", "on request"}}));
    EXPECT_EQ(PriceList::columnCaptions(), QStringList({"Part Number", "Product Name", "Price"}));
}

TEST(PriceListPrinterTest, OnePageWithHeaderColumnsRowsAndFooter)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("list.pdf"));
    ASSERT_EQ(printTo(pdf, {{"AP-220", "Wireless access point, dual band", "$189.00"},
                            {"BC-1500", "Battery backup unit 1500 VA", "$1,249.99"}}),
              1);
    const QStringList pages = pdfPages(pdf);
    ASSERT_EQ(pages.size(), 1);
    QStringList lines;
    for (const QString &line : pages[0].split(QLatin1Char('\n'))) {
        if (!line.trimmed().isEmpty())
            lines << line;
    }
    ASSERT_EQ(lines.size(), 5) << pages[0].toStdString();
    EXPECT_EQ(squeeze(lines[0]), QStringLiteral("Vendara Price list"));
    EXPECT_EQ(squeeze(lines[1]), QStringLiteral("Part Number Product Name Price"));
    EXPECT_EQ(squeeze(lines[2]), QStringLiteral("AP-220 Wireless access point, dual band $189.00"));
    EXPECT_EQ(squeeze(lines[3]), QStringLiteral("BC-1500 Battery backup unit 1500 VA $1,249.99"));
    EXPECT_EQ(squeeze(lines[4]), QStringLiteral("Page: 1"));

    // The header and the footer are centred on the page; prices end at the right margin.
    double width = 0;
    const QList<PdfWord> words = pdfWords(pdf, width);
    const auto find = [&](const QString &text) {
        for (const PdfWord &w : words) {
            if (w.text == text)
                return w;
        }
        return PdfWord{};
    };
    const double centre = width / 2;
    EXPECT_NEAR((find(QStringLiteral("Vendara")).left + find(QStringLiteral("list")).right) / 2,
                centre, 2);
    EXPECT_NEAR((find(QStringLiteral("Page:")).left + find(QStringLiteral("1")).right) / 2, centre,
                2);
    EXPECT_NEAR(find(QStringLiteral("$189.00")).right, find(QStringLiteral("$1,249.99")).right,
                0.5);
    EXPECT_NEAR(find(QStringLiteral("$1,249.99")).right, width - 15 / 25.4 * 72, 6);
    EXPECT_NEAR(find(QStringLiteral("AP-220")).left, 15 / 25.4 * 72, 6);
}

TEST(PriceListPrinterTest, LongListsRepeatTheHeadingsOnEveryPageAndKeepTheOrder)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("long.pdf"));
    QList<PriceListRow> rows;
    for (int i = 1; i <= 150; ++i) {
        rows.append({QStringLiteral("P-%1").arg(i, 3, 10, QLatin1Char('0')),
                     i == 7 ? QStringLiteral("A very long product name that has to wrap inside its "
                                             "column because it does not fit on one line of the "
                                             "page, %1")
                                  .arg(i)
                            : QStringLiteral("Product %1").arg(i),
                     QStringLiteral("$%1.00").arg(i)});
    }
    const int printed = printTo(pdf, rows);
    const QStringList pages = pdfPages(pdf);
    ASSERT_EQ(pages.size(), printed);
    ASSERT_GE(printed, 3);
    int expected = 1;
    for (int page = 0; page < pages.size(); ++page) {
        QStringList lines;
        for (const QString &line : pages[page].split(QLatin1Char('\n'))) {
            if (!line.trimmed().isEmpty())
                lines << squeeze(line);
        }
        ASSERT_GE(lines.size(), 4);
        EXPECT_EQ(lines.first(), QStringLiteral("Vendara Price list"));
        EXPECT_EQ(lines[1], QStringLiteral("Part Number Product Name Price"));
        EXPECT_EQ(lines.last(), QStringLiteral("Page: %1").arg(page + 1));
        for (int i = 2; i < lines.size() - 1; ++i) {
            if (!lines[i].startsWith(QStringLiteral("P-")))
                continue; // the wrapped part of the long name
            EXPECT_TRUE(
                lines[i].startsWith(QStringLiteral("P-%1 ").arg(expected, 3, 10, QLatin1Char('0'))))
                << lines[i].toStdString();
            EXPECT_TRUE(lines[i].endsWith(QStringLiteral(" $%1.00").arg(expected)));
            ++expected;
        }
    }
    EXPECT_EQ(expected, 151);
    const QString all = pages.join(QLatin1Char(' ')).simplified();
    // The wrapped name is all there, on lines of its own under the row's part number.
    for (const char *word : {"because", "column", "page,"})
        EXPECT_TRUE(all.contains(QLatin1String(word))) << word;
}

TEST(PriceListPrinterTest, AnEmptyCatalogueGivesOnePageAndAnUnwritableFileNone)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("empty.pdf"));
    ASSERT_EQ(printTo(pdf, {}), 1);
    const QString text = pdfPages(pdf).join(QString()).simplified();
    EXPECT_EQ(text, QStringLiteral("Vendara Price list Part Number Product Name Price Page: 1"));

    EXPECT_EQ(printTo(dir.filePath(QStringLiteral("no/such/folder/list.pdf")), {}), 0);
}

} // namespace
