// The product history: every change product editing makes is one step, and undoing and
// redoing it gives back the exact cells (numbers stay numbers, texts keep their line
// breaks), the count and the current row; saving after an undo writes the bytes from before.

#include "catalogue.h"
#include "fakeeditorview.h"

#include "tests/support/scriptedprompter.h"
#include "vendara/pricing/pricescheduletable.h"
#include "vendara/store/productcolumns.h"
#include "vendara/store/products.h"
#include "vendara/window/historytexts.h"
#include "vendara/window/producteditor.h"
#include "vendara/window/productgridmodel.h"
#include "vendara/window/producthistory.h"
#include "vendara/window/sortcommand.h"
#include "vendara/window/tablesnapshot.h"

// Qt
#include <QTemporaryDir>

// std
#include <functional>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

namespace {

using namespace vendara;
using prompt::Answer;
using testsupport::readBytes;
using testsupport::record;
using testsupport::writeBytes;

// Prices as the file holds them: numbers and an empty one (a price typed that is not a number
// stays text until the next start); notes and includes with line breaks.
const QByteArray kCatalogue =
    record({"A-1", "Anchor bolt", "12.5", "Zinc plated.\r\n\r\nBox of 50.", "Washers\r\nNuts", "10",
            "11"})
    + record({"B-2", "Bracket", "3.75", "", "", "5", "3.5", "20", "3.25"})
    + record({"C-3", "Clamp ABC", "8"}) + record({"D-4", "Drill", ""});

// Public: the steps below reach into it.
class ProductHistoryTest : public ::testing::Test
{
public:
    void SetUp() override
    {
        mPath = QDir(mDir.path()).filePath(QStringLiteral("vadata.dat"));
        mHistory.setShowRow([this](int row) {
            if (row != ProductHistory::KeepRow)
                mView.setCurrentRow(row);
            mView.showCurrentDetails();
        });
        load(kCatalogue);
    }
    void load(const QByteArray &bytes)
    {
        writeBytes(mPath, bytes);
        mProducts.load(mPath);
        mView.current = 0;
        mView.setCurrentRow(1);
        mHistory.stack().clear();
    }
    void clickEditButton()
    {
        mView.button = !mView.button;
        mEditor.toggleEditButton();
    }
    void typeInGrid(int row, int gridColumn, const QString &text)
    {
        mGridModel.setLocked(gridColumn, false);
        mGridModel.setData(mGridModel.index(row - 1, gridColumn), text, Qt::EditRole);
    }
    // The table, the count and the current row.
    struct State
    {
        TableSnapshot table;
        int current = 0;
        bool operator==(const State &) const = default;
    };
    State state() const { return {TableSnapshot::take(mProducts), mView.current}; }
    QString undoText() const { return mHistory.stack().undoText(); }

    QTemporaryDir mDir;
    QString mPath;
    Table mTable;
    testsupport::ScriptedPrompter mPrompter;
    Products mProducts{mTable, &mPrompter};
    PriceScheduleTable mSchedule;
    testsupport::FakeEditorView mView{mTable, mSchedule};
    ProductHistory mHistory{mProducts};
    ProductEditor mEditor{mProducts, mSchedule, mView, mPrompter, mHistory};
    // The product grid's first columns, as the window shows them.
    ProductGridModel mGridModel{mTable,
                                {{product::PartNumber, QStringLiteral("Part Number")},
                                 {product::ProductName, QStringLiteral("Product Name")}},
                                mHistory};
    const bool mAttached = (mView.attach(mEditor), true);
};

// A stand-in for a feature that changes the table by itself and keeps its own record of the
// change: it rewrites one product's price and appends products.
struct StandInImport
{
    int row = 0;
    Cell priceBefore;
    Cell priceAfter;
    std::vector<TableSnapshot::Row> added;
    int countBefore = 0;

    void apply(Products &products) const
    {
        Table &table = products.table();
        table.setCell(row, product::Price, priceAfter);
        for (const TableSnapshot::Row &cells : added) {
            table.insertRow(table.rows() + 1);
            TableSnapshot::writeRow(table, table.rows(), cells);
        }
        products.setCount(countBefore + int(added.size()));
    }
    void revert(Products &products) const
    {
        Table &table = products.table();
        for (std::size_t i = 0; i < added.size(); ++i)
            table.deleteRow(table.rows());
        table.setCell(row, product::Price, priceBefore);
        products.setCount(countBefore);
    }
};

struct Step
{
    const char *name;
    std::function<void(ProductHistoryTest &)> setUp; // before the state is taken
    std::function<void(ProductHistoryTest &)> change;
    QString stepName;
    int rowAfterUndo;
    int rowAfterRedo;
};

void PrintTo(const Step &step, std::ostream *out)
{
    *out << step.name;
}

class EveryStep : public ProductHistoryTest, public ::testing::WithParamInterface<Step>
{
};

TEST_P(EveryStep, UndoAndRedoGiveBackTheExactCellsCountAndCurrentRow)
{
    const Step &step = GetParam();
    if (step.setUp)
        step.setUp(*this);
    const State before = state();
    step.change(*this);
    const State after = state();
    ASSERT_NE(after.table, before.table);
    ASSERT_EQ(mHistory.stack().count(), 1);
    EXPECT_EQ(undoText(), step.stepName);

    mEditor.undo();
    EXPECT_EQ(state().table, before.table);
    EXPECT_EQ(mView.current, step.rowAfterUndo);
    // The boxes and the schedule follow the current row.
    EXPECT_EQ(mView.boxes.includes, mTable.cell(mView.current, product::Includes).toText());
    EXPECT_EQ(mSchedule.table().cell(1, 1), mTable.cell(mView.current, 6));

    mEditor.redo();
    EXPECT_EQ(state().table, after.table);
    EXPECT_EQ(mView.current, step.rowAfterRedo);
    EXPECT_EQ(mView.boxes.notes, mTable.cell(mView.current, product::Notes).toText());

    mEditor.undo();
    EXPECT_EQ(state().table, before.table);
    // The file written after the undo is the one read.
    ASSERT_TRUE(mProducts.WriteProds(mPath).ok());
    EXPECT_EQ(readBytes(mPath), kCatalogue);
}

const auto editingOn = [](ProductHistoryTest &t) {
    t.clickEditButton();
};

INSTANTIATE_TEST_SUITE_P(
    ProductHistory, EveryStep,
    ::testing::Values(
        // Ending edit mode stores the price as typed: the number 12.5 becomes the text "7.5",
        // and the undo brings the number back, with the notes' line breaks.
        Step{"DetailEdit", editingOn,
             [](ProductHistoryTest &t) {
                 t.mView.type("7.5", "Screws", "One\r\nTwo\r\n");
                 t.mView.typePricePoint(1, "50", "2");
                 t.clickEditButton();
             },
             "Edit A-1", 1, 1},
        // A row change stores the "currency" form of a text price.
        Step{"DetailEditOnRowChange",
             [](ProductHistoryTest &t) {
                 t.mView.setCurrentRow(2);
                 t.clickEditButton();
             },
             [](ProductHistoryTest &t) {
                 t.mView.type("4", "", "");
                 t.mView.setCurrentRow(3);
             },
             "Edit B-2", 2, 2},
        Step{"GridCell", nullptr,
             [](ProductHistoryTest &t) { t.typeInGrid(3, 1, QStringLiteral("Clamp, small")); },
             "Edit Product Name of C-3", 3, 3},
        Step{"PartNumberCell", nullptr,
             [](ProductHistoryTest &t) { t.typeInGrid(2, 0, QStringLiteral("B-20")); },
             "Edit Part Number of B-2", 2, 2},
        Step{"NewProduct", [](ProductHistoryTest &t) { t.mView.setCurrentRow(3); },
             [](ProductHistoryTest &t) { t.mEditor.newProduct(); }, "New Product", 3, 1},
        Step{"AddProduct", [](ProductHistoryTest &t) { t.mView.setCurrentRow(2); },
             [](ProductHistoryTest &t) { t.mEditor.addProduct(); }, "Add Product", 2, 1},
        Step{"Delete", [](ProductHistoryTest &t) { t.mView.setCurrentRow(2); },
             [](ProductHistoryTest &t) {
                 t.mPrompter.answer(Answer::Yes);
                 t.mEditor.deleteProduct();
             },
             "Delete B-2", 2, 1},
        Step{"DeleteAll", [](ProductHistoryTest &t) { t.mView.setCurrentRow(3); },
             [](ProductHistoryTest &t) {
                 t.mPrompter.answer(Answer::Yes);
                 t.mEditor.deleteAll();
             },
             "Delete All", 3, 0},
        Step{"ClearPrices", [](ProductHistoryTest &t) { t.mView.setCurrentRow(2); },
             [](ProductHistoryTest &t) { t.mEditor.clearPrices(); }, "Clear Price Schedule of B-2",
             2, 2},
        // A header click, as the window records it. By price, with the one rule for every
        // column: nothing, then the texts "12.5", "8" and "call".
        Step{"Sort", [](ProductHistoryTest &t) { t.mView.setCurrentRow(3); },
             [](ProductHistoryTest &t) {
                 t.mHistory.push(new SortCommand(t.mHistory, texts::sortStep(product::Price),
                                                 product::Price, t.mView.current));
                 t.mView.setCurrentRow(1);
             },
             "Sort by Price", 3, 1},
        // A feature's own change taken in as one step.
        Step{"AppliedChange", [](ProductHistoryTest &t) { t.mView.setCurrentRow(2); },
             [](ProductHistoryTest &t) {
                 const int rowBefore = t.mView.current;
                 StandInImport import;
                 import.row = 3;
                 import.priceBefore = t.mTable.cell(3, product::Price);
                 import.priceAfter = Cell(9.75f);
                 import.added = {{Cell("E-5"), Cell("Eyelet"), Cell(0.5f), Cell("Line\r\nbreak")},
                                 { Cell("F-6"),
                                   Cell("Fuse"),
                                   Cell("ask") }};
                 import.countBefore = t.mProducts.Count();
                 {
                     const ProductHistory::Recording recording(t.mHistory);
                     import.apply(t.mProducts);
                 }
                 t.mHistory.pushApplied(
                     QStringLiteral("Import from Excel File"),
                     [import](Products &p) { import.revert(p); },
                     [import](Products &p) { import.apply(p); }, rowBefore, 3);
             },
             "Import from Excel File", 2, 3}),
    [](const ::testing::TestParamInfo<Step> &info) { return std::string(info.param.name); });

TEST_F(ProductHistoryTest, UndoInEditModeFirstCommitsTheOpenEditAsItsOwnStep)
{
    mView.setCurrentRow(2);
    mPrompter.answer(Answer::Yes);
    mEditor.deleteProduct();
    const State afterDelete = state();
    clickEditButton();
    mView.type("5", "Typed", "");

    // The open edit becomes a step, and the undo takes that one back.
    mEditor.undo();
    EXPECT_EQ(state().table, afterDelete.table);
    EXPECT_EQ(mHistory.stack().count(), 2);
    EXPECT_EQ(mHistory.stack().redoText(), QStringLiteral("Edit A-1"));
    EXPECT_EQ(undoText(), QStringLiteral("Delete B-2"));
    EXPECT_TRUE(mView.button); // editing stays on
    EXPECT_EQ(mView.boxes.includes, QStringLiteral("Washers\r\nNuts"));

    // Nothing is typed now: the next undo commits nothing and takes back the delete.
    mEditor.undo();
    EXPECT_EQ(mProducts.Count(), 4);
    EXPECT_EQ(mTable.cell(2, product::PartNumber).toText(), QStringLiteral("B-2"));
    mEditor.redo();
    mEditor.redo();
    EXPECT_EQ(mTable.cell(1, product::Includes).toText(), QStringLiteral("Typed"));
    EXPECT_EQ(mTable.cell(1, product::Price).toText(), QStringLiteral("5"));
}

TEST_F(ProductHistoryTest, NewAndAddInEditModeCommitTheProductLeftAsAStepBeforeTheirOwn)
{
    mView.setCurrentRow(2);
    clickEditButton();
    mView.type("6", "Left", "");
    mEditor.addProduct();
    mView.type("7", "Left too", "");
    mEditor.newProduct();
    EXPECT_EQ(mHistory.stack().count(), 4);
    EXPECT_EQ(mTable.cell(4, product::Price).toText(), QStringLiteral("$6.00")); // B-2

    // Each undo takes back the newest step: the new product, then the commit before it.
    mEditor.undo();
    EXPECT_EQ(undoText(), QStringLiteral("Edit Product"));
    EXPECT_EQ(mTable.rows(), 5);
    mEditor.undo();
    EXPECT_EQ(undoText(), QStringLiteral("Add Product"));
    EXPECT_EQ(mTable.cell(1, product::Includes).toText(), QString());
    mEditor.undo();
    EXPECT_EQ(undoText(), QStringLiteral("Edit B-2"));
    EXPECT_EQ(mTable.rows(), 4);
    EXPECT_EQ(mTable.cell(2, product::Includes).toText(), QStringLiteral("Left"));
    EXPECT_EQ(mView.current, 2);
    mEditor.undo();
    ASSERT_TRUE(mProducts.WriteProds(mPath).ok());
    EXPECT_EQ(readBytes(mPath), kCatalogue);
}

TEST_F(ProductHistoryTest, DeleteAllOfAThousandProductsAndItsUndo)
{
    QByteArray full;
    for (int i = 0; i < product::Capacity; ++i) {
        const QByteArray n = QByteArray::number(i);
        full += record({"P-" + QByteArray::number(10000 + i), "Item " + n,
                        i % 3 == 0 ? QByteArray() : n + ".25", "Note " + n + "\r\nsecond line",
                        i % 2 == 0 ? QByteArray() : "Box", "10", "1.5"});
    }
    load(full);
    mView.setCurrentRow(500);
    const State before = state();

    mPrompter.answer(Answer::Yes);
    mEditor.deleteAll();
    EXPECT_EQ(mTable.rows(), 0);
    EXPECT_EQ(mProducts.Count(), 0);
    mEditor.undo();
    EXPECT_EQ(state(), before);
    EXPECT_TRUE(mTable.cell(500, product::Price).isNumber());
    EXPECT_TRUE(mTable.cell(1, product::Price).isNull());
    ASSERT_TRUE(mProducts.WriteProds(mPath).ok());
    EXPECT_EQ(readBytes(mPath), full);
}

TEST_F(ProductHistoryTest, ManyStepsUndoneToTheFileReadAndRedoneToTheSameEnd)
{
    clickEditButton();
    mView.type("1.5", "x", "y");
    mView.setCurrentRow(3);
    typeInGrid(3, 0, QStringLiteral("A-0"));
    mEditor.newProduct();
    typeInGrid(1, 0, QStringLiteral("N-1"));
    mView.type("2", "New\r\nline", "");
    mView.setCurrentRow(2);
    mPrompter.answer(Answer::Yes);
    mEditor.deleteProduct();
    mHistory.push(new SortCommand(mHistory, texts::sortStep(1), 1, mView.current));
    const State end = state();
    const int steps = mHistory.stack().count();
    EXPECT_EQ(steps, 7);

    while (mHistory.stack().canUndo())
        mEditor.undo();
    ASSERT_TRUE(mProducts.WriteProds(mPath).ok());
    EXPECT_EQ(readBytes(mPath), kCatalogue);
    while (mHistory.stack().canRedo())
        mEditor.redo();
    EXPECT_EQ(state().table, end.table);
}

TEST_F(ProductHistoryTest, StepsThatChangeNothingAreNoSteps)
{
    // Editing on and off without typing, a cell typed over with its own text, a sort of
    // rows already in order, Clear of a product without price points.
    clickEditButton();
    clickEditButton();
    typeInGrid(1, 0, QStringLiteral("A-1"));
    mHistory.push(new SortCommand(mHistory, texts::sortStep(1), 1, 1));
    mView.setCurrentRow(3);
    mEditor.clearPrices();
    EXPECT_EQ(mHistory.stack().count(), 0);
}

TEST_F(ProductHistoryTest, AChangeTheHistoryDidNotSeeClearsIt)
{
    mPrompter.answer(Answer::Yes);
    mEditor.deleteProduct();
    {
        const ProductHistory::Recording recording(mHistory);
        mTable.setCell(1, product::Notes, QStringLiteral("seen"));
    }
    EXPECT_EQ(mHistory.stack().count(), 1);
    // The older steps would now write into the wrong rows: they go.
    mTable.insertRow(1);
    EXPECT_EQ(mHistory.stack().count(), 0);
    EXPECT_FALSE(mHistory.stack().canUndo());
}

TEST_F(ProductHistoryTest, StepNamesAndTheItemsThatShowThem)
{
    EXPECT_EQ(texts::undoItem(QString()), QStringLiteral("&Undo"));
    EXPECT_EQ(texts::redoItem(QString()), QStringLiteral("&Redo"));
    EXPECT_EQ(texts::undoItem(texts::deleteProductStep(QStringLiteral("A-100"))),
              QStringLiteral("&Undo Delete A-100"));
    // An "&" in a part number is shown, not taken as the access key.
    EXPECT_EQ(texts::redoItem(texts::editDetailsStep(QStringLiteral("R&D-1"))),
              QStringLiteral("&Redo Edit R&&D-1"));
    // A product without a part number yet.
    EXPECT_EQ(texts::deleteProductStep(QStringLiteral("  ")), QStringLiteral("Delete Product"));
    EXPECT_EQ(texts::editCellStep(product::PartNumber, QString()),
              QStringLiteral("Edit Part Number"));
    EXPECT_EQ(texts::sortStep(product::pricePointPrice(1)), QStringLiteral("Sort by Price 1"));
}

} // namespace
