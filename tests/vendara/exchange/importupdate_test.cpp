// "Add new products and update existing ones": the sheet read into a plan that changes
// nothing, the update rules, the preview's counts and texts, the plan applied at once, and
// the record that takes an import (of either kind) back to the catalogue's very bytes.

#include "productrows.h"

#include "tests/support/scriptedprompter.h"
#include "vendara/exchange/exportfile.h"
#include "vendara/exchange/importhistory.h"
#include "vendara/exchange/importpreview.h"
#include "vendara/exchange/importvalues.h"
#include "vendara/exchange/updateform.h"

// Qt
#include <QMimeData>
#include <QSignalSpy>
#include <QTemporaryDir>

// std
#include <functional>

#include <gtest/gtest.h>

namespace {

using testsupport::Catalogue;
using testsupport::ScriptedPrompter;
using testsupport::spreadsheet;
using vendara::Cell;
using vendara::FieldChange;
using vendara::ImportPlan;
using vendara::ImportPreview;
using vendara::ImportRecord;
using vendara::UpdateForm;
namespace product = vendara::product;

using Action = ImportPlan::Action;
using Reason = ImportPlan::SkipReason;

class ImportUpdateTest : public testing::Test
{
protected:
    QString file(const QString &name) const { return mDir.filePath(name); }

    // Opens the update window on `path`, chooses the update and reads the whole sheet;
    // `choose` changes the lists' choices first.
    ImportPlan plan(Catalogue &catalogue, const QString &path,
                    const std::function<void(UpdateForm &)> &choose = {})
    {
        UpdateForm form(catalogue.products, mPrompter, path);
        EXPECT_TRUE(testsupport::loadSheet(form));
        form.setAction(UpdateForm::Action::AddAndUpdate);
        if (choose)
            choose(form);
        auto planner = form.startUpdate();
        if (!planner) {
            ADD_FAILURE() << "no reading started";
            return {};
        }
        while (planner->step()) {
        }
        return planner->plan();
    }

    QByteArray saved(const Catalogue &catalogue, const QString &name) const
    {
        const common::Status written = catalogue.products.WriteProds(file(name));
        EXPECT_TRUE(written.ok()) << written.message();
        return testsupport::fileBytes(file(name));
    }

    QTemporaryDir mDir;
    ScriptedPrompter mPrompter;
};

// A small catalogue and a supplier's sheet that exercises every rule of the update.
class UpdateRulesTest : public ImportUpdateTest
{
protected:
    void SetUp() override
    {
        mCatalogue.add({QStringLiteral("A-1"), QStringLiteral("Anchor"), QStringLiteral("#10"),
                        QStringLiteral("Old notes")});
        // Edited since loading: the price is the price box's text.
        mCatalogue.add({QStringLiteral("b-2"),
                        QStringLiteral("Bolt"),
                        QStringLiteral("$3.75"),
                        {},
                        {},
                        QStringLiteral("10"),
                        QStringLiteral("3.50")});
        mCatalogue.add({QStringLiteral("C-3"), QStringLiteral("Clip"), QStringLiteral("#1")});
        mCatalogue.add({QStringLiteral("D-4"), QStringLiteral("Dowel"), QStringLiteral("#2")});
        testsupport::writeFile(file(QStringLiteral("supplier.txt")),
                               "Part Number\tProduct Name\tPrice\tNotes\tPrice Point 1\tPrice 1\r\n"
                               "A-1\tAnchor bolt\t12.5\t\t10\t9.5\r\n" // row 2
                               "B-2\t\t3.75\t\t10\t3.5\r\n"            // row 3: nothing new
                               "C-3\tClip\tcall\r\n"                   // row 4: no price
                               "a-1\tAgain\t99\r\n"                    // row 5: a repeat
                               "N-1\tNew one\t5\tFirst\r\n"            // row 6
                               "N-2\t\t\r\n"                           // row 7
                               "\t\r\n"                                // row 8 ends the sheet
                               "D-4\tNever read\t1\r\n");
    }
    ImportPlan readSupplier()
    {
        return plan(mCatalogue, file(QStringLiteral("supplier.txt")), [](UpdateForm &form) {
            form.select(2, 5); // Price Point 1: column E
            form.select(4, 6); // Price 1: F
        });
    }

    Catalogue mCatalogue;
};

TEST_F(UpdateRulesTest, TheSheetBecomesAPlanAndNothingChangesYet)
{
    const QByteArray before = saved(mCatalogue, QStringLiteral("before.dat"));
    const ImportPlan read = readSupplier();
    EXPECT_EQ(saved(mCatalogue, QStringLiteral("after.dat")), before);
    EXPECT_TRUE(mPrompter.prompts().isEmpty());

    ASSERT_EQ(read.entries.size(), 4);
    EXPECT_EQ(read.added(), 2);
    EXPECT_EQ(read.changed(), 1);
    EXPECT_EQ(read.unchanged, 2); // B-2: the same numbers written otherwise; C-3: "call"
    EXPECT_EQ(read.skipped(), 1);

    // A name change, a price change, a price point where there was none; the empty notes
    // cell keeps the notes.
    const ImportPlan::Entry &anchor = read.entries.at(0);
    EXPECT_EQ(anchor.action, Action::Change);
    EXPECT_EQ(anchor.sheetRow, 2);
    EXPECT_EQ(anchor.partNumber, QStringLiteral("A-1"));
    EXPECT_EQ(anchor.changes,
              (QList<FieldChange>{{product::ProductName, Cell("Anchor"), Cell("Anchor bolt")},
                                  {product::Price, Cell(10.0f), Cell(12.5f)},
                                  {6, Cell(), Cell("10")},
                                  {7, Cell(), Cell("9.5")}}));

    const ImportPlan::Entry &repeat = read.entries.at(1);
    EXPECT_EQ(repeat.action, Action::Skip);
    EXPECT_EQ(repeat.reason, Reason::Duplicate);
    EXPECT_EQ(repeat.reasonDetail, 2);
    EXPECT_EQ(repeat.sheetRow, 5);

    const ImportPlan::Entry &added = read.entries.at(2);
    EXPECT_EQ(added.action, Action::Add);
    EXPECT_EQ(added.row[0], Cell("N-1"));
    EXPECT_EQ(added.row[1], Cell("New one"));
    EXPECT_EQ(added.row[2], Cell(5.0f));
    EXPECT_EQ(added.row[3], Cell("First"));
    // A new product without a name gets the import's placeholder, as with the other action.
    EXPECT_EQ(read.entries.at(3).row[1], Cell("Missing Product Name"));
    EXPECT_TRUE(read.entries.at(3).row[2].isEmpty());
}

TEST_F(UpdateRulesTest, ThePreviewCountsAndShowsOldAndNew)
{
    const ImportPreview preview(readSupplier());
    EXPECT_EQ(preview.counts(), (QStringList{"New products: 2", "Changed products: 1",
                                             "Unchanged products: 2", "Skipped rows: 1"}));
    // Only the fields the update touches, after the product name.
    EXPECT_EQ(preview.headings(), (QStringList{"Part Number", "Action", "Product Name", "Price",
                                               "Notes", "Price Point 1", "Price 1"}));
    EXPECT_EQ(preview.line(1), (QStringList{"A-1",
                                            "Changed",
                                            QString::fromUtf8("Anchor \u2192 Anchor bolt"),
                                            QString::fromUtf8("$10.00 \u2192 $12.50"),
                                            {},
                                            QString::fromUtf8("(empty) \u2192 10"),
                                            QString::fromUtf8("(empty) \u2192 $9.50")}));
    EXPECT_EQ(preview.line(2), (QStringList{"a-1", "Skipped: repeats row 2", {}, {}, {}, {}, {}}));
    EXPECT_EQ(preview.line(3), (QStringList{"N-1", "New", "New one", "$5.00", "First", {}, {}}));
    EXPECT_EQ(preview.line(4).mid(0, 3), (QStringList{"N-2", "New", "Missing Product Name"}));

    // The clipboard: a heading line and a line per product, tab-separated; the same as a table.
    const QStringList lines = preview.plainText().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 6); // and the empty text after the last line end
    EXPECT_EQ(lines.at(0), QStringLiteral("Part Number\tAction\tProduct Name\tPrice\tNotes\t"
                                          "Price Point 1\tPrice 1"));
    EXPECT_EQ(lines.at(2), QStringLiteral("a-1\tSkipped: repeats row 2\t\t\t\t\t"));
    const auto mime = preview.mimeData();
    EXPECT_EQ(mime->text(), preview.plainText());
    EXPECT_TRUE(mime->html().contains(
        QString::fromUtf8("<tr><td>A-1</td><td>Changed</td><td>Anchor \u2192 Anchor bolt</td>")));
    EXPECT_EQ(mime->html().count(QStringLiteral("<tr>")), 5);
}

TEST_F(UpdateRulesTest, ApplyChangesEverythingAtOnceAndUndoTakesItBack)
{
    const QByteArray before = saved(mCatalogue, QStringLiteral("before.dat"));
    const ImportPlan read = readSupplier();
    UpdateForm form(mCatalogue.products, mPrompter, file(QStringLiteral("supplier.txt")));
    const ImportRecord record = form.apply(read);
    form.reportApplied(record);

    EXPECT_EQ(mCatalogue.partNumbers(), (QStringList{"A-1", "b-2", "C-3", "D-4", "N-1", "N-2"}));
    EXPECT_EQ(mCatalogue.products.Count(), 6);
    EXPECT_EQ(mCatalogue.text(1, product::ProductName), QStringLiteral("Anchor bolt"));
    EXPECT_EQ(mCatalogue.table.cell(1, product::Price), Cell(12.5f));
    EXPECT_EQ(mCatalogue.text(1, product::Notes), QStringLiteral("Old notes"));
    EXPECT_EQ(mCatalogue.text(1, 6), QStringLiteral("10"));
    // Written as the sheet says it, the letter case of the part number kept.
    EXPECT_EQ(mCatalogue.text(2, product::PartNumber), QStringLiteral("b-2"));
    EXPECT_EQ(mCatalogue.text(2, product::Price), QStringLiteral("$3.75"));
    EXPECT_EQ(mCatalogue.text(2, 7), QStringLiteral("3.50"));
    EXPECT_EQ(mPrompter.messageTexts(),
              QStringList{QStringLiteral("3 changes have been made to the knowledge base.")});
    EXPECT_EQ(mPrompter.prompts().first().caption, QStringLiteral("Success!"));
    EXPECT_EQ(record.addedCount(), 2);
    EXPECT_EQ(record.changedCount(), 1);

    const QByteArray afterImport = saved(mCatalogue, QStringLiteral("import.dat"));
    record.revert(mCatalogue.products);
    EXPECT_EQ(saved(mCatalogue, QStringLiteral("undone.dat")), before);
    // Made again (as an undo stack's redo would), it gives the same catalogue.
    record.apply(mCatalogue.products);
    EXPECT_EQ(saved(mCatalogue, QStringLiteral("redone.dat")), afterImport);
}

TEST_F(UpdateRulesTest, APlanWithoutChangesChangesNothingAndSaysNothing)
{
    const QByteArray before = saved(mCatalogue, QStringLiteral("before.dat"));
    ImportPlan unchanged;
    unchanged.unchanged = 4;
    UpdateForm form(mCatalogue.products, mPrompter, file(QStringLiteral("supplier.txt")));
    const ImportRecord record = form.apply(unchanged);
    form.reportApplied(record);
    EXPECT_TRUE(record.isEmpty());
    EXPECT_TRUE(mPrompter.prompts().isEmpty());
    EXPECT_EQ(saved(mCatalogue, QStringLiteral("after.dat")), before);
}

TEST_F(ImportUpdateTest, UndoKeepsLaterEditsToOtherProductsAndTheOrderBefore)
{
    Catalogue catalogue;
    catalogue.add({QStringLiteral("Z-9"), QStringLiteral("Alpha"), QStringLiteral("#1")});
    catalogue.add({QStringLiteral("M-5"), QStringLiteral("Beta"), QStringLiteral("#2")});
    catalogue.add({QStringLiteral("A-1"), QStringLiteral("Gamma"), QStringLiteral("#3")});
    // The user sorted the grid by name; the import sorts by part number.
    catalogue.products.sortByColumn(product::ProductName);
    const QByteArray before = saved(catalogue, QStringLiteral("before.dat"));
    testsupport::writeFile(file(QStringLiteral("prices.txt")),
                           "Part Number\tProduct Name\tPrice\r\nM-5\tBeta\t2.5\r\nB-7\tNew\t7\r\n");
    UpdateForm form(catalogue.products, mPrompter, file(QStringLiteral("prices.txt")));
    const ImportRecord record = form.apply(plan(catalogue, file(QStringLiteral("prices.txt"))));
    EXPECT_EQ(catalogue.partNumbers(), (QStringList{"A-1", "B-7", "M-5", "Z-9"}));

    // Undone: byte for byte as before.
    record.revert(catalogue.products);
    EXPECT_EQ(saved(catalogue, QStringLiteral("undone.dat")), before);

    // Once more, with an edit to a product the import did not change made after it, and a
    // product the user added since.
    record.apply(catalogue.products);
    catalogue.table.setCell(1, product::Price, Cell("$4.00"));
    catalogue.add({QStringLiteral("Q-1"), QStringLiteral("Added by hand")});
    record.revert(catalogue.products);
    EXPECT_EQ(catalogue.partNumbers(), (QStringList{"Z-9", "M-5", "A-1", "Q-1"}));
    EXPECT_EQ(catalogue.text(2, product::Price), QStringLiteral("2")); // M-5 back
    EXPECT_EQ(catalogue.text(3, product::Price), QStringLiteral("$4.00"));
}

TEST_F(ImportUpdateTest, TheAddOnlyImportIsTakenBackToo)
{
    Catalogue catalogue;
    catalogue.add({QStringLiteral("pn-1003"), QStringLiteral("Kept"), QStringLiteral("#1")});
    catalogue.add({QStringLiteral("ZZ-1"), QStringLiteral("Last")});
    const QByteArray before = saved(catalogue, QStringLiteral("before.dat"));
    UpdateForm form(catalogue.products, mPrompter, spreadsheet(QStringLiteral("basic.xlsx")));
    ASSERT_TRUE(testsupport::loadSheet(form));
    auto import = form.start();
    ASSERT_TRUE(import);
    while (import->step()) {
    }
    import->finish();
    const ImportRecord record = import->record();
    EXPECT_EQ(record.addedCount(), 4);
    EXPECT_EQ(record.changedCount(), 0);
    EXPECT_EQ(catalogue.products.Count(), 6);

    vendara::ImportHistory history;
    QSignalSpy applied(&history, &vendara::ImportHistory::applied);
    QSignalSpy undone(&history, &vendara::ImportHistory::undone);
    QSignalSpy available(&history, &vendara::ImportHistory::canUndoChanged);
    history.recordApplied(ImportRecord()); // an import that changed nothing is not kept
    EXPECT_FALSE(history.canUndo());
    history.recordApplied(record);
    EXPECT_TRUE(history.canUndo());
    EXPECT_EQ(applied.size(), 1);

    mPrompter.answer(prompt::Answer::No);
    EXPECT_FALSE(history.confirmUndo(mPrompter));
    const testsupport::RecordedPrompt &asked = mPrompter.prompts().last();
    EXPECT_EQ(asked.text, QStringLiteral("Undo the last spreadsheet import? 4 products added and "
                                         "0 products changed by it will be restored."));
    EXPECT_EQ(asked.caption, QStringLiteral("Undo Last Import"));
    EXPECT_EQ(asked.buttons, prompt::Buttons::YesNo);
    EXPECT_EQ(asked.icon, prompt::Icon::Question);

    EXPECT_TRUE(history.undo(catalogue.products));
    EXPECT_FALSE(history.canUndo());
    EXPECT_FALSE(history.undo(catalogue.products));
    EXPECT_EQ(undone.size(), 1);
    EXPECT_EQ(available.size(), 2); // on, then off
    EXPECT_EQ(saved(catalogue, QStringLiteral("undone.dat")), before);
}

TEST_F(ImportUpdateTest, TheCatalogueFillsUpWhileUpdatesGoOn)
{
    Catalogue catalogue;
    for (int i = 0; i < 998; ++i)
        catalogue.add({QStringLiteral("P%1").arg(i, 4, 10, QLatin1Char('0')), QStringLiteral("x")});
    testsupport::writeFile(file(QStringLiteral("mixed.txt")),
                           "Part Number\tProduct Name\r\nP0001\tfirst\r\nN1\ta\r\nN2\tb\r\n"
                           "N3\tc\r\nP0002\tsecond\r\nn1\trepeat\r\nN4\td\r\n");
    const ImportPlan read = plan(catalogue, file(QStringLiteral("mixed.txt")));
    EXPECT_EQ(read.changed(), 2);
    EXPECT_EQ(read.added(), 2);
    EXPECT_EQ(read.skipped(), 3);
    QList<Reason> reasons;
    for (const ImportPlan::Entry &entry : read.entries) {
        if (entry.action == Action::Skip)
            reasons << entry.reason;
    }
    EXPECT_EQ(reasons,
              (QList<Reason>{Reason::CatalogueFull, Reason::Duplicate, Reason::CatalogueFull}));

    UpdateForm form(catalogue.products, mPrompter, file(QStringLiteral("mixed.txt")));
    form.apply(read);
    EXPECT_EQ(catalogue.products.Count(), 1000);
    EXPECT_EQ(catalogue.table.rows(), 1000);
    EXPECT_EQ(catalogue.text(catalogue.products.findPartNumber(QStringLiteral("P0002")),
                             product::ProductName),
              QStringLiteral("second"));
    EXPECT_EQ(catalogue.products.findPartNumber(QStringLiteral("N3")), 0);
    EXPECT_EQ(ImportPreview(read).line(4).at(1), QStringLiteral("Skipped: the catalogue is full"));
}

// In an .xls file, a formula whose saved result is an error value.
QByteArray xlsWithErrorFormula()
{
    QByteArray bytes = testsupport::fileBytes(spreadsheet(QStringLiteral("types.xls")));
    // The FORMULA record of J2 (=B2*2): its result becomes #DIV/0!.
    const QByteArray header("\x06\x00\x1f\x00\x01\x00\x09\x00", 8);
    const qsizetype at = bytes.indexOf(header);
    if (at < 0)
        return {};
    bytes.replace(at + 10, 8, QByteArray("\x02\x00\x07\x00\x00\x00\xff\xff", 8));
    return bytes;
}

TEST_F(ImportUpdateTest, AnUnreadableCellSkipsItsRowInsteadOfEmptyingAField)
{
    const QByteArray xls = xlsWithErrorFormula();
    ASSERT_FALSE(xls.isEmpty());
    testsupport::writeFile(file(QStringLiteral("errors.xls")), xls);
    Catalogue catalogue;
    catalogue.add({QStringLiteral("00123"), QStringLiteral("00123"), QStringLiteral("#1")});
    catalogue.add({QStringLiteral("ABC-1"), QStringLiteral("ABC-1"), QStringLiteral("#1")});
    const ImportPlan read = plan(catalogue, file(QStringLiteral("errors.xls")), [](UpdateForm &f) {
        f.select(1, 0);  // the name from the part number's column: no change
        f.select(3, 10); // the price from "Formula" (J)
    });
    ASSERT_EQ(read.entries.size(), 1);
    EXPECT_EQ(read.entries.first().partNumber, QStringLiteral("00123"));
    EXPECT_EQ(read.entries.first().reason, Reason::Unreadable);
    EXPECT_EQ(read.entries.first().reasonDetail, product::Price);
    EXPECT_EQ(read.unchanged, 1); // ABC-1's formula gives a text, which is no price
    EXPECT_EQ(ImportPreview(read).line(1).at(1), QStringLiteral("Skipped: Price cannot be read"));
    EXPECT_TRUE(mPrompter.prompts().isEmpty());
}

TEST_F(ImportUpdateTest, EveryWorkbookFormatAndTextGiveTheSamePlan)
{
    testsupport::writeFile(
        file(QStringLiteral("basic.txt")),
        testsupport::fileBytes(spreadsheet(QStringLiteral("basic.expected.tsv"))));
    QList<ImportPlan> plans;
    for (const QString &path :
         {spreadsheet(QStringLiteral("basic.xls")), spreadsheet(QStringLiteral("basic.xlsx")),
          spreadsheet(QStringLiteral("basic.ods")), file(QStringLiteral("basic.txt"))}) {
        SCOPED_TRACE(path.toStdString());
        Catalogue catalogue;
        catalogue.add({QStringLiteral("PN-1001"), QStringLiteral("Old"), QStringLiteral("#10")});
        catalogue.add({QStringLiteral("pn-1003"), QStringLiteral("Kept")});
        plans << plan(catalogue, path);
        EXPECT_EQ(plans.last().added(), 3);
        EXPECT_EQ(plans.last().changed(), 2);
        UpdateForm form(catalogue.products, mPrompter, path);
        form.apply(plans.last());
        EXPECT_EQ(catalogue.table.cell(1, product::Price), Cell(12.5f));
        EXPECT_EQ(catalogue.text(3, product::PartNumber), QStringLiteral("pn-1003"));
        EXPECT_EQ(catalogue.table.cell(3, product::Price), Cell(1049.99f));
    }
    for (const ImportPlan &other : plans)
        EXPECT_EQ(other.entries, plans.first().entries);
}

TEST_F(ImportUpdateTest, AnExportChangedInASpreadsheetComesBackAsItsChanges)
{
    Catalogue catalogue;
    catalogue.add({QStringLiteral("A-1"), QStringLiteral("Stapler"), QStringLiteral("#12.5"),
                   QStringLiteral("two\r\nlines"), QStringLiteral("Staples"), QStringLiteral("10"),
                   QStringLiteral("11.50")});
    catalogue.add({QStringLiteral("B-2"), QStringLiteral("Chair"), QStringLiteral("$1,049.99")});
    // The supplier's copy: one price changed, one price point price, two new rows.
    Catalogue supplier;
    supplier.add({QStringLiteral("A-1"), QStringLiteral("Stapler"), QStringLiteral("#13"),
                  QStringLiteral("two\r\nlines"), QStringLiteral("Staples"), QStringLiteral("10"),
                  QStringLiteral("12")});
    supplier.add({QStringLiteral("B-2"), QStringLiteral("Chair"), QStringLiteral("#1049.99")});
    supplier.add({QStringLiteral("C-3"), QStringLiteral("Desk"), QStringLiteral("#250")});
    supplier.add({QStringLiteral("D-4"), QStringLiteral("Lamp"), QStringLiteral("#30")});
    const QString book = file(QStringLiteral("supplier.xlsx"));
    ASSERT_TRUE(vendara::ExportFile::writeWorkbook(book, supplier.table).ok());

    const ImportPlan read = plan(catalogue, book, [](UpdateForm &form) {
        form.select(2, 6); // Price Point 1
        form.select(4, 7); // Price 1
    });
    const ImportPreview preview(read);
    EXPECT_EQ(preview.counts(), (QStringList{"New products: 2", "Changed products: 1",
                                             "Unchanged products: 1", "Skipped rows: 0"}));
    EXPECT_EQ(preview.headings(),
              (QStringList{"Part Number", "Action", "Product Name", "Price", "Price 1"}));
    EXPECT_EQ(preview.line(1),
              (QStringList{"A-1", "Changed", "Stapler", QString::fromUtf8("$12.50 \u2192 $13.00"),
                           QString::fromUtf8("$11.50 \u2192 $12.00")}));
    EXPECT_EQ(preview.line(2), (QStringList{"C-3", "New", "Desk", "$250.00", {}}));
    EXPECT_EQ(preview.line(3), (QStringList{"D-4", "New", "Lamp", "$30.00", {}}));
}

TEST(ImportValuesTest, TheNameIsCutBeforeALineBreakOrACharacterItWouldSplit)
{
    const QString a74(74, QLatin1Char('a'));
    EXPECT_EQ(vendara::ImportValues::name(a74 + QStringLiteral("\r\ntail")), a74);
    EXPECT_EQ(vendara::ImportValues::name(a74 + QStringLiteral("b\r\n")), a74 + "b");
    EXPECT_EQ(vendara::ImportValues::name(a74 + QString::fromUtf8("\U0001F600x")), a74);
    // 75 characters with the line break at the end: nothing to cut.
    const QString a73(73, QLatin1Char('a'));
    EXPECT_EQ(vendara::ImportValues::name(a73 + QStringLiteral("\r\n")), a73 + "\r\n");
}

} // namespace
