// The spreadsheet update: the column lists and their preselection, the import rules, the
// messages, and every workbook format (the shared fixtures, the program's own export, a
// workbook written by the export) giving the same catalogue.

#include "minimalxlsx.h"
#include "productrows.h"

#include "tests/support/scriptedprompter.h"
#include "vendara/exchange/exportfile.h"
#include "vendara/exchange/updateform.h"

// Qt
#include <QLocale>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using testsupport::Catalogue;
using testsupport::RecordedPrompt;
using testsupport::ScriptedPrompter;
using testsupport::spreadsheet;
using vendara::UpdateForm;
namespace product = vendara::product;

using testsupport::loadSheet;

// Opens the window on a workbook and presses OK with the preselected choices; the import's
// steps run to the end. Returns the number of steps taken.
int importWith(UpdateForm &form)
{
    auto import = form.start();
    if (!import)
        return -1;
    int steps = 0;
    while (import->step())
        ++steps;
    import->finish();
    import->report();
    return steps;
}

class ImportTest : public testing::Test
{
protected:
    QString file(const QString &name) const { return mDir.filePath(name); }

    QTemporaryDir mDir;
    ScriptedPrompter mPrompter;
    Catalogue mCatalogue;
};

TEST_F(ImportTest, ListsOfferTheHeadedColumnsAndPreselectExactNames)
{
    UpdateForm form(mCatalogue.products, mPrompter, spreadsheet(QStringLiteral("basic.xlsx")));
    ASSERT_TRUE(loadSheet(form));
    const QStringList columns{QStringLiteral("Col 0-  Part Number"),
                              QStringLiteral("Col 1-  Product Name"),
                              QStringLiteral("Col 2-  Price"), QStringLiteral("Col 3-  Notes"),
                              QStringLiteral("Col 4-  Includes")};
    EXPECT_EQ(form.entries(0), columns);
    EXPECT_EQ(form.entries(1), columns);
    for (int list = 2; list < 15; ++list)
        EXPECT_EQ(form.entries(list), QStringList{QStringLiteral("Skip Field")} + columns);
    EXPECT_EQ(form.selection(0), 0);
    EXPECT_EQ(form.selection(1), 1);
    EXPECT_EQ(form.selection(3), 3); // price, one further on for "Skip Field"
    EXPECT_EQ(form.selection(7), 4); // notes
    EXPECT_EQ(form.selection(6), 5); // includes
    for (int list : {2, 4, 5, 8, 9, 10, 11, 12, 13, 14})
        EXPECT_EQ(form.selection(list), 0) << list; // the discount schedule stays on "Skip Field"
    EXPECT_TRUE(form.firstRowHoldsDescriptions());
    EXPECT_TRUE(mPrompter.prompts().isEmpty());

    form.clickAdd();
    EXPECT_EQ(form.selection(1), -1); // back to "Required"
}

TEST_F(ImportTest, OnlyTheListedFormsOfAHeadingArePreselected)
{
    testsupport::writeFile(
        file(QStringLiteral("caps.txt")),
        "PART NUMBER\tProduct name\tPRICE\tnotes\tIncludes \r\nA\tB\t1\tn\ti\r\n");
    UpdateForm form(mCatalogue.products, mPrompter, file(QStringLiteral("caps.txt")));
    ASSERT_TRUE(loadSheet(form));
    EXPECT_EQ(form.selection(0), -1);
    EXPECT_EQ(form.selection(1), 1);
    EXPECT_EQ(form.selection(3), 0);
    EXPECT_EQ(form.selection(7), 4);
    EXPECT_EQ(form.selection(6), 0); // a trailing blank is another heading
}

TEST_F(ImportTest, ColumnsEndAtTheFirstEmptyHeadingAndAtR)
{
    QByteArray wide;
    for (int c = 0; c < 20; ++c)
        wide += "H" + QByteArray::number(c) + (c < 19 ? "\t" : "\r\n");
    testsupport::writeFile(file(QStringLiteral("wide.txt")), wide);
    UpdateForm form(mCatalogue.products, mPrompter, file(QStringLiteral("wide.txt")));
    ASSERT_TRUE(loadSheet(form));
    EXPECT_EQ(form.entries(0).size(), 18);
    EXPECT_EQ(form.entries(0).last(), QStringLiteral("Col 17-  H17"));

    testsupport::writeFile(file(QStringLiteral("gap.txt")), "A\tB\t\tD\r\n");
    UpdateForm gap(mCatalogue.products, mPrompter, file(QStringLiteral("gap.txt")));
    ASSERT_TRUE(loadSheet(gap));
    EXPECT_EQ(gap.entries(0),
              (QStringList{QStringLiteral("Col 0-  A"), QStringLiteral("Col 1-  B")}));
}

TEST_F(ImportTest, FiveRowsOneAlreadyThereAddsFour)
{
    mCatalogue.add({QStringLiteral("pn-1003"), QStringLiteral("Old name")});
    UpdateForm form(mCatalogue.products, mPrompter, spreadsheet(QStringLiteral("basic.xls")));
    ASSERT_TRUE(loadSheet(form));
    EXPECT_EQ(importWith(form), 5); // rows 2 to 6; row 7 is empty and ends it

    EXPECT_EQ(mCatalogue.partNumbers(),
              (QStringList{QStringLiteral("PN-1001"), QStringLiteral("PN-1002"),
                           QStringLiteral("pn-1003"), QStringLiteral("PN-1004"),
                           QStringLiteral("PN-1005")}));
    EXPECT_EQ(mCatalogue.products.Count(), 5);
    EXPECT_EQ(mCatalogue.text(3, product::ProductName), QStringLiteral("Old name"));
    ASSERT_EQ(mPrompter.prompts().size(), 1);
    EXPECT_EQ(mPrompter.prompts().first().text,
              QStringLiteral("4 changes have been made to the knowledge base."));
    EXPECT_EQ(mPrompter.prompts().first().caption, QStringLiteral("Success!"));
    EXPECT_EQ(mPrompter.prompts().first().buttons, prompt::Buttons::Ok);
}

TEST_F(ImportTest, ImportRulesOnTheMappingWorkbook)
{
    for (const char *extension : {".xls", ".xlsx", ".ods"}) {
        SCOPED_TRACE(extension);
        Catalogue c;
        mPrompter.clear();
        UpdateForm form(c.products, mPrompter,
                        spreadsheet(QStringLiteral("mapping") + QLatin1String(extension)));
        ASSERT_TRUE(loadSheet(form));
        // Product name, part number, price, includes, notes preselected; map the price points.
        EXPECT_EQ(form.selection(0), 1);
        EXPECT_EQ(form.selection(1), 0);
        form.select(2, 6); // Price Point 1: column F
        form.select(4, 7); // Price 1: G
        form.select(5, 8); // Price Point 2: H
        form.select(8, 9); // Price 2: I
        importWith(form);

        // Rows 2 to 5; row 6 has no part number and ends the import before M-2005.
        ASSERT_EQ(c.table.rows(), 4);
        EXPECT_FALSE(c.partNumbers().contains(QStringLiteral("M-2005")));
        const int a100 = c.products.findPartNumber(QStringLiteral("A-100"));
        ASSERT_GT(a100, 0);
        EXPECT_EQ(c.table.cell(a100, product::Price), vendara::Cell(249.5f));
        EXPECT_EQ(c.text(a100, 6), QStringLiteral("10"));
        EXPECT_EQ(c.text(a100, 7), QStringLiteral("229"));
        EXPECT_EQ(c.text(a100, 8), QStringLiteral("50"));
        EXPECT_EQ(c.text(a100, 9), QStringLiteral("215.5"));
        QStringList names;
        for (int row = 1; row <= 4; ++row)
            names << c.text(row, product::ProductName);
        EXPECT_TRUE(names.contains(QStringLiteral("Missing Product Name")));
        EXPECT_TRUE(names.contains(QStringLiteral("Wide-Format Inkjet Plotter WF-3600 with Roll "
                                                  "Feeder, Automatic Cutter, Stan")));
        int unpriced = 0;
        for (int row = 1; row <= 4; ++row)
            unpriced += c.table.cell(row, product::Price).isEmpty() ? 1 : 0;
        EXPECT_EQ(unpriced, 1); // "call" is no price
        EXPECT_EQ(mPrompter.messageTexts(),
                  QStringList{QStringLiteral("4 changes have been made to the knowledge base.")});
    }
}

TEST_F(ImportTest, NothingNewClosesWithoutAMessage)
{
    for (const char *pn : {"PN-1001", "PN-1002", "PN-1003", "PN-1004", "PN-1005"})
        mCatalogue.add({QString::fromLatin1(pn), QStringLiteral("x")});
    UpdateForm form(mCatalogue.products, mPrompter, spreadsheet(QStringLiteral("basic.ods")));
    ASSERT_TRUE(loadSheet(form));
    importWith(form);
    EXPECT_EQ(mCatalogue.products.Count(), 5);
    EXPECT_TRUE(mPrompter.prompts().isEmpty());
}

TEST_F(ImportTest, TheFirstSheetOnlyAndTheFirstRowWhenItHoldsData)
{
    UpdateForm form(mCatalogue.products, mPrompter, spreadsheet(QStringLiteral("sheets.xlsx")));
    ASSERT_TRUE(loadSheet(form));
    importWith(form);
    EXPECT_EQ(
        mCatalogue.partNumbers(),
        (QStringList{QStringLiteral("C-501"), QStringLiteral("C-502"), QStringLiteral("C-503")}));

    // Without "First row contains descriptions" the heading row is a product too.
    Catalogue other;
    UpdateForm all(other.products, mPrompter, spreadsheet(QStringLiteral("sheets.xls")));
    ASSERT_TRUE(loadSheet(all));
    all.setFirstRowHoldsDescriptions(false);
    importWith(all);
    EXPECT_EQ(other.products.Count(), 4);
    EXPECT_TRUE(other.partNumbers().contains(QStringLiteral("Part Number")));
}

TEST_F(ImportTest, MissingRequiredFieldsAndFilesThatAreNoWorkbook)
{
    UpdateForm empty(mCatalogue.products, mPrompter,
                     spreadsheet(QStringLiteral("emptyfirst.xlsx")));
    ASSERT_TRUE(loadSheet(empty));
    EXPECT_TRUE(empty.entries(0).isEmpty());
    EXPECT_EQ(empty.entries(3), QStringList{QStringLiteral("Skip Field")});
    EXPECT_FALSE(empty.start());
    ASSERT_EQ(mPrompter.prompts().size(), 1);
    EXPECT_EQ(mPrompter.prompts().first().text, QStringLiteral("Missing required fields"));
    EXPECT_EQ(mPrompter.prompts().first().caption, QStringLiteral("Input error"));

    // Part number chosen, product name not.
    mPrompter.clear();
    UpdateForm half(mCatalogue.products, mPrompter, spreadsheet(QStringLiteral("basic.xlsx")));
    ASSERT_TRUE(loadSheet(half));
    half.select(1, -1);
    EXPECT_FALSE(half.start());
    EXPECT_EQ(mPrompter.messageTexts(), QStringList{QStringLiteral("Missing required fields")});

    mPrompter.clear();
    testsupport::writeFile(file(QStringLiteral("picture.xls")),
                           QByteArray("\x89PNG\r\n\x1a\n\0\0", 10));
    UpdateForm binary(mCatalogue.products, mPrompter, file(QStringLiteral("picture.xls")));
    EXPECT_FALSE(loadSheet(binary));
    ASSERT_EQ(mPrompter.prompts().size(), 1);
    const RecordedPrompt &error = mPrompter.prompts().first();
    EXPECT_EQ(error.text, QStringLiteral("This file is not an Excel 97 file."));
    EXPECT_EQ(error.caption, QStringLiteral("Error 432"));
    EXPECT_EQ(error.icon, prompt::Icon::Exclamation);
    EXPECT_TRUE(binary.entries(0).isEmpty());

    mPrompter.clear();
    UpdateForm gone(mCatalogue.products, mPrompter, file(QStringLiteral("gone.xls")));
    EXPECT_FALSE(loadSheet(gone));
    EXPECT_EQ(mPrompter.prompts().first().caption, QStringLiteral("Error 53"));
    EXPECT_TRUE(mPrompter.prompts().first().detail.isEmpty());

    // The reader process failed: its reason goes with the message; a reading the user
    // cancelled is not reported.
    mPrompter.clear();
    UpdateForm crashed(mCatalogue.products, mPrompter, spreadsheet(QStringLiteral("basic.xls")));
    auto failed = vendara::Workbook::failure(vendara::Workbook::kReaderFailed, QStringLiteral("x"));
    failed.detail = QStringLiteral("The workbook reader crashed (signal 11, Segmentation fault).");
    EXPECT_FALSE(crashed.loadsheet(std::move(failed)));
    ASSERT_EQ(mPrompter.prompts().size(), 1);
    EXPECT_EQ(mPrompter.prompts().first().text,
              QStringLiteral("This file is not an Excel 97 file."));
    EXPECT_EQ(mPrompter.prompts().first().caption, QStringLiteral("Error 440"));
    EXPECT_EQ(mPrompter.prompts().first().detail,
              QStringLiteral("The workbook reader crashed (signal 11, Segmentation fault)."));
    mPrompter.clear();
    EXPECT_FALSE(crashed.loadsheet(
        vendara::Workbook::failure(vendara::Workbook::kCancelled, QStringLiteral("cancelled"))));
    EXPECT_TRUE(mPrompter.prompts().isEmpty());
}

TEST_F(ImportTest, UnreadableCellsAreReportedOnceAndNeverBecomeEmptyFieldsSilently)
{
    const QString path = file(QStringLiteral("hand.xlsx"));
    ASSERT_TRUE(testsupport::writeMinimalXlsx(
        path, "<row r=\"1\"><c r=\"A1\" t=\"inlineStr\"><is><t>Part Number</t></is></c>"
              "<c r=\"B1\" t=\"inlineStr\"><is><t>Product Name</t></is></c>"
              "<c r=\"C1\" t=\"inlineStr\"><is><t>Price</t></is></c>"
              "<c r=\"D1\" t=\"inlineStr\"><is><t>Notes</t></is></c></row>"
              "<row r=\"2\"><c r=\"A2\" t=\"inlineStr\"><is><t>E-1</t></is></c>"
              "<c r=\"B2\" t=\"inlineStr\"><is><t>Bad price</t></is></c>"
              "<c r=\"C2\" t=\"e\"><f>1/0</f><v>#DIV/0!</v></c>"
              "<c r=\"D2\"><f>B2&amp;B2</f></c></row>"
              "<row r=\"3\"><c r=\"A3\" t=\"e\"><v>#N/A</v></c>"
              "<c r=\"B3\" t=\"inlineStr\"><is><t>No part number</t></is></c></row>"
              "<row r=\"4\"><c r=\"A4\" t=\"inlineStr\"><is><t>E-2</t></is></c>"
              "<c r=\"B4\" t=\"e\"><v>#REF!</v></c><c r=\"C4\"><v>1e300</v></c></row>"));
    UpdateForm form(mCatalogue.products, mPrompter, path);
    ASSERT_TRUE(loadSheet(form));
    importWith(form);

    EXPECT_EQ(mCatalogue.partNumbers(),
              (QStringList{QStringLiteral("E-1"), QStringLiteral("E-2")}));
    EXPECT_TRUE(mCatalogue.table.cell(1, product::Price).isEmpty());
    EXPECT_EQ(mCatalogue.text(2, product::ProductName), QStringLiteral("Missing Product Name"));
    EXPECT_TRUE(mCatalogue.table.cell(2, product::Price).isEmpty()); // too large for the catalogue
    EXPECT_EQ(mPrompter.messageTexts(),
              (QStringList{QStringLiteral("There were errors importing the spreadsheet. Some of "
                                          "the information will not be imported."),
                           QStringLiteral("2 changes have been made to the knowledge base.")}));
    EXPECT_EQ(mPrompter.prompts().first().caption, QStringLiteral("Import Error"));
}

TEST_F(ImportTest, ANameCutAtItsLineBreakEndsBeforeTheLineBreak)
{
    const QByteArray a74(74, 'a');
    const QString path = file(QStringLiteral("names.xlsx"));
    ASSERT_TRUE(testsupport::writeMinimalXlsx(
        path, "<row r=\"1\"><c r=\"A1\" t=\"inlineStr\"><is><t>Part Number</t></is></c>"
              "<c r=\"B1\" t=\"inlineStr\"><is><t>Product Name</t></is></c></row>"
              "<row r=\"2\"><c r=\"A2\" t=\"inlineStr\"><is><t>L-1</t></is></c>"
              "<c r=\"B2\" t=\"inlineStr\"><is><t>"
                  + a74 + "\nsecond line</t></is></c></row>"));
    UpdateForm form(mCatalogue.products, mPrompter, path);
    ASSERT_TRUE(loadSheet(form));
    importWith(form);
    ASSERT_EQ(mCatalogue.products.Count(), 1);
    // 74 characters: the line break that would have been cut in two is left out whole.
    EXPECT_EQ(mCatalogue.text(1, product::ProductName), QString::fromLatin1(a74));
}

TEST_F(ImportTest, AFullCatalogueTakesNoMoreAndSaysHowManyWereLeft)
{
    for (int i = 0; i < 998; ++i)
        mCatalogue.add(
            {QStringLiteral("P%1").arg(i, 4, 10, QLatin1Char('0')), QStringLiteral("x")});
    testsupport::writeFile(file(QStringLiteral("more.txt")),
                           "Part Number\tProduct Name\r\nP0001\tthere\r\nN1\ta\r\nN2\tb\r\n"
                           "N3\tc\r\nn3\tsame as N3\r\nN4\td\r\n\t\r\nN5\tafter the end\r\n");
    UpdateForm form(mCatalogue.products, mPrompter, file(QStringLiteral("more.txt")));
    ASSERT_TRUE(loadSheet(form));
    importWith(form);
    EXPECT_EQ(mCatalogue.products.Count(), 1000);
    EXPECT_EQ(mCatalogue.table.rows(), 1000);
    EXPECT_GT(mCatalogue.products.findPartNumber(QStringLiteral("N2")), 0);
    EXPECT_EQ(mCatalogue.products.findPartNumber(QStringLiteral("N3")), 0);
    EXPECT_EQ(mPrompter.messageTexts(),
              (QStringList{QStringLiteral("The catalogue holds at most 1000 products. 2 products "
                                          "of the spreadsheet were not imported."),
                           QStringLiteral("2 changes have been made to the knowledge base.")}));
}

TEST_F(ImportTest, TheExportReadsBackIntoTheSameCatalogue)
{
    Catalogue source;
    source.add({QStringLiteral("A-1"), QStringLiteral("Stapler"), QStringLiteral("#12.5"),
                QStringLiteral("Heavy duty"), QStringLiteral("Staples"), QStringLiteral("10"),
                QStringLiteral("11.50")});
    source.add({QStringLiteral("B-2"), QString::fromUtf8("Caf\u00e9 chair"),
                QStringLiteral("#1049.99"), QStringLiteral("two\r\nlines")});
    source.add({QStringLiteral("00123"), QStringLiteral("Leading zero")});
    const QString text = file(QStringLiteral("export.xls"));
    ASSERT_TRUE(
        vendara::ExportFile::writeText(text, vendara::ExportFile::textBytes(source.table)).ok());
    const QString book = file(QStringLiteral("export.xlsx"));
    ASSERT_TRUE(vendara::ExportFile::writeWorkbook(book, source.table).ok());

    for (const QString &path : {text, book}) {
        SCOPED_TRACE(path.toStdString());
        Catalogue copy;
        mPrompter.clear();
        UpdateForm form(copy.products, mPrompter, path);
        ASSERT_TRUE(loadSheet(form));
        for (int list : {2, 4}) // the first price point
            form.select(list, list == 2 ? 6 : 7);
        importWith(form);
        ASSERT_EQ(copy.products.Count(), 3);
        const int a = copy.products.findPartNumber(QStringLiteral("A-1"));
        EXPECT_EQ(copy.table.cell(a, product::Price), vendara::Cell(12.5f));
        EXPECT_EQ(copy.text(a, product::Notes), QStringLiteral("Heavy duty"));
        EXPECT_EQ(copy.text(a, 6), QStringLiteral("10"));
        const int b = copy.products.findPartNumber(QStringLiteral("B-2"));
        EXPECT_EQ(copy.table.cell(b, product::Price), vendara::Cell(1049.99f));
        EXPECT_EQ(copy.text(b, product::ProductName), QString::fromUtf8("Caf\u00e9 chair"));
        EXPECT_GT(copy.products.findPartNumber(QStringLiteral("00123")), 0);
    }
}

TEST_F(ImportTest, NumbersAsTextInTheUsersForm)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    UpdateForm form(mCatalogue.products, mPrompter, spreadsheet(QStringLiteral("mapping.ods")));
    ASSERT_TRUE(loadSheet(form));
    form.select(2, 8); // Price Point 1 from "Price Point 2" (H)
    form.select(4, 9); // Price 1 from "Price 2" (I)
    importWith(form);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const int a100 = mCatalogue.products.findPartNumber(QStringLiteral("A-100"));
    EXPECT_EQ(mCatalogue.text(a100, 7), QStringLiteral("215,5"));
}

TEST_F(ImportTest, TagAndProgressCaption)
{
    UpdateForm form(mCatalogue.products, mPrompter, spreadsheet(QStringLiteral("basic.xlsx")));
    ASSERT_TRUE(loadSheet(form));
    auto import = form.start();
    ASSERT_TRUE(import);
    QStringList tags;
    import->setTagHandler([&](const QString &tag) { tags << tag;
});
EXPECT_EQ(import->rowCounter(), 2);
EXPECT_TRUE(import->step());
EXPECT_EQ(import->rowCounter(), 3);
EXPECT_EQ(tags, (QStringList{QStringLiteral("Updating"), QString()}));

EXPECT_EQ(UpdateForm::progressCaption(QStringLiteral("Update"), 3), QStringLiteral("Please wait"));
EXPECT_EQ(UpdateForm::progressCaption(QStringLiteral("Please wait"), 3),
          QStringLiteral("3 products analyzed"));
EXPECT_EQ(UpdateForm::progressCaption(QStringLiteral("3 products analyzed"), 4),
          QStringLiteral("Please wait"));
} // namespace

} // namespace
