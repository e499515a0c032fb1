#include "catalogue.h"
#include "fakeeditorview.h"

#include "tests/support/scriptedprompter.h"
#include "vendara/pricing/pricescheduletable.h"
#include "vendara/store/productcolumns.h"
#include "vendara/store/products.h"
#include "vendara/window/producteditor.h"
#include "vendara/window/producthistory.h"
#include "vendara/window/promptstate.h"

// Qt
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using namespace vendara;
using prompt::Answer;
using prompt::Buttons;
using prompt::Icon;
using testsupport::readBytes;
using testsupport::record;
using testsupport::RecordedPrompt;
using testsupport::writeBytes;

const QByteArray kCatalogue =
    record({"A-1", "Anchor bolt", "12.5", "Zinc", "Washers", "10", "11.00"})
    + record({"B-2", "Bracket", "3.75", "", "", "5", "3.50", "20", "3.25"})
    + record({"C-3", "Clamp ABC", "8"}) + record({"D-4", "Drill", "99"});

// Notes each message box among the grid's events, to tell what the grid showed meanwhile.
class GridWatchingPrompter : public testsupport::ScriptedPrompter
{
public:
    using ScriptedPrompter::message;
    prompt::Answer message(const prompt::Message &message) override
    {
        if (events != nullptr)
            events->append(QStringLiteral("message"));
        return ScriptedPrompter::message(message);
    }

    QStringList *events = nullptr;
};

class ProductEditorTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        mPath = QDir(mDir.path()).filePath(QStringLiteral("vadata.dat"));
        load(kCatalogue);
    }
    void load(const QByteArray &bytes)
    {
        writeBytes(mPath, bytes);
        mProducts.load(mPath);
        mView.current = 0;
        mView.setCurrentRow(1);
    }
    QString cell(int row, int column) const { return mTable.cell(row, column).toText(); }
    QString quantity(int row, int k) const { return cell(row, product::pricePointQuantity(k)); }
    QString price(int row, int k) const { return cell(row, product::pricePointPrice(k)); }
    // The toolbar's "Edit" button clicked: it changes state, then its command runs.
    void clickEditButton()
    {
        mView.button = !mView.button;
        mEditor.toggleEditButton();
    }
    int rowOf(const char *partNumber) const { return mProducts.findPartNumber(partNumber); }

    QTemporaryDir mDir;
    QString mPath;
    Table mTable;
    GridWatchingPrompter mPrompter;
    Products mProducts{mTable, &mPrompter};
    PriceScheduleTable mSchedule;
    testsupport::FakeEditorView mView{mTable, mSchedule};
    ProductHistory mHistory{mProducts};
    ProductEditor mEditor{mProducts, mSchedule, mView, mPrompter, mHistory};
    const bool mAttached = (mView.attach(mEditor), mPrompter.events = &mView.gridEvents, true);
};

TEST_F(ProductEditorTest, EditButtonUnlocksAndCommitsAsTypedWithSortedPricePoints)
{
    EXPECT_FALSE(mView.typePricePoint(1, "1", "1")); // locked while editing is off
    mView.setCurrentRow(2);
    clickEditButton();
    EXPECT_TRUE(mView.unlocked);
    EXPECT_FALSE(mSchedule.isLocked());
    mView.type("5", "Screws\r\nPlugs", "Steel");
    mView.typePricePoint(1, "50", "2.00");
    mView.typePricePoint(3, "1,000", "1.50");
    mView.typePricePoint(4, "10", "2.50");

    clickEditButton();
    EXPECT_FALSE(mView.unlocked);
    EXPECT_TRUE(mSchedule.isLocked());
    EXPECT_EQ(mView.cellEditsFinished, 1);
    EXPECT_EQ(mView.scheduleEditsFinished, 1);
    EXPECT_EQ(mView.current, 2);
    EXPECT_EQ(cell(2, product::Price), QStringLiteral("5")); // as typed
    EXPECT_EQ(cell(2, product::Includes), QStringLiteral("Screws\r\nPlugs"));
    EXPECT_EQ(cell(2, product::Notes), QStringLiteral("Steel"));
    const QStringList quantities = {quantity(2, 1), quantity(2, 2), quantity(2, 3), quantity(2, 4),
                                    quantity(2, 5)};
    EXPECT_EQ(quantities, QStringList({"10", "20", "50", "1,000", ""}));
    EXPECT_EQ(price(2, 1), QStringLiteral("2.50"));
    EXPECT_EQ(price(2, 2), QStringLiteral("3.25"));
    EXPECT_EQ(price(2, 4), QStringLiteral("1.50"));
    // The schedule shows what was stored, in its new order.
    EXPECT_EQ(mSchedule.table().cell(1, 1).toText(), QStringLiteral("10"));
    // Nothing else changed.
    EXPECT_TRUE(mTable.cell(1, product::Price).isNumber());
}

TEST_F(ProductEditorTest, RowChangeCommitsTheRowLeftOnlyWhileEditing)
{
    // Editing off: typing into the (locked) boxes is never stored.
    mView.type("1", "x", "y");
    mView.setCurrentRow(2);
    EXPECT_TRUE(mTable.cell(1, product::Price).isNumber());
    EXPECT_EQ(cell(1, product::Includes), QStringLiteral("Washers"));

    clickEditButton();
    mView.type("5", "Box", "New notes");
    mView.typePricePoint(1, "30", "3.00");
    mView.setCurrentRow(3);
    EXPECT_EQ(cell(2, product::Price), QStringLiteral("$5.00")); // the "currency" form
    EXPECT_EQ(cell(2, product::Includes), QStringLiteral("Box"));
    EXPECT_EQ(cell(2, product::Notes), QStringLiteral("New notes"));
    EXPECT_EQ(quantity(2, 1), QStringLiteral("20"));
    EXPECT_EQ(quantity(2, 2), QStringLiteral("30"));
    EXPECT_EQ(price(2, 2), QStringLiteral("3.00"));
    EXPECT_EQ(mView.scheduleEditsFinished, 1);
    // The new row's details and schedule are shown.
    EXPECT_EQ(mView.boxes.price, QStringLiteral("$8.00"));
    EXPECT_TRUE(mSchedule.table().cell(1, 1).isEmpty());
    // A price that is not a number stays as typed.
    mView.type("call", "", "");
    mView.setCurrentRow(4);
    EXPECT_EQ(cell(3, product::Price), QStringLiteral("call"));
}

TEST_F(ProductEditorTest, EditMenuFlipsTheButtonAndKeepsThePricePointsTyped)
{
    mEditor.toggleEditMenu();
    EXPECT_TRUE(mView.button);
    EXPECT_TRUE(mView.unlocked);
    EXPECT_FALSE(mSchedule.isLocked());
    mView.type("7", "Nuts", "");
    mView.typePricePoint(2, "5", "12.00");

    mEditor.toggleEditMenu();
    EXPECT_FALSE(mView.button);
    EXPECT_FALSE(mView.unlocked);
    EXPECT_TRUE(mSchedule.isLocked());
    EXPECT_EQ(cell(1, product::Price), QStringLiteral("7"));
    EXPECT_EQ(cell(1, product::Includes), QStringLiteral("Nuts"));
    EXPECT_EQ(quantity(1, 1), QStringLiteral("5"));
    EXPECT_EQ(price(1, 1), QStringLiteral("12.00"));
    EXPECT_EQ(quantity(1, 2), QStringLiteral("10"));
    // Still there after moving on: nothing typed was dropped.
    mView.setCurrentRow(2);
    mView.setCurrentRow(1);
    EXPECT_EQ(mSchedule.table().cell(1, 1).toText(), QStringLiteral("5"));
}

TEST_F(ProductEditorTest, ClosingWhileEditingCommitsAsTypedAndTheFileHoldsIt)
{
    mEditor.unloading(); // editing off: nothing
    EXPECT_EQ(mView.cellEditsFinished, 0);
    EXPECT_TRUE(mTable.cell(1, product::Price).isNumber());

    clickEditButton();
    mView.type("12.5", "Washers", "Zinc\r\nplated");
    mView.typePricePoint(2, "2", "12.00");
    mEditor.unloading();
    EXPECT_EQ(mView.cellEditsFinished, 1);
    ASSERT_TRUE(mProducts.WriteProds(mPath).ok());
    EXPECT_EQ(readBytes(mPath), record({"A-1", "Anchor bolt", "12.5", "Zinc\r\nplated", "Washers",
                                        "2", "12.00", "10", "11.00"})
                                    + kCatalogue.mid(kCatalogue.indexOf("B-2")));
}

TEST_F(ProductEditorTest, CommitsOnlyTheBoxesTheUserChanged)
{
    // The price box shows 0.125 as "$0.12": writing it back unchanged would lose the
    // half cent.
    const QByteArray catalogue = record({"A-1", "Anchor bolt", "0.125", "Zinc", "Washers\r\nNuts"})
                                 + record({"B-2", "Bracket", "3.75"});
    load(catalogue);
    EXPECT_EQ(mView.boxes.price, QStringLiteral("$0.12"));
    clickEditButton();
    clickEditButton();
    mEditor.toggleEditMenu();
    mView.setCurrentRow(2);
    mView.setCurrentRow(1);
    mEditor.toggleEditMenu();
    clickEditButton();
    mEditor.unloading();
    EXPECT_TRUE(mTable.cell(1, product::Price).isNumber());
    EXPECT_EQ(cell(1, product::Price), QStringLiteral("0.125"));
    ASSERT_TRUE(mProducts.WriteProds(mPath).ok());
    EXPECT_EQ(readBytes(mPath), catalogue);

    // What the user typed is stored, even the text the box showed.
    mView.type("$0.13", "Washers\r\nNuts", "Zinc");
    clickEditButton();
    EXPECT_EQ(cell(1, product::Price), QStringLiteral("$0.13"));
    clickEditButton();
    mView.type("$0.13", "Washers", "Zinc");
    mView.setCurrentRow(2);
    EXPECT_EQ(cell(1, product::Includes), QStringLiteral("Washers"));
    mView.type("$3.75", "", "");
    mView.setCurrentRow(1);
    EXPECT_EQ(cell(2, product::Price), QStringLiteral("$3.75"));
}

TEST_F(ProductEditorTest, NewProductIsTheFirstRowAndTakesTheDetailsWhenLeft)
{
    mView.setCurrentRow(3);
    clickEditButton();
    mView.type("9", "Pending", "");

    mEditor.newProduct();
    // The product being edited was committed first, as when editing ends.
    EXPECT_EQ(cell(4, product::PartNumber), QStringLiteral("C-3"));
    EXPECT_EQ(cell(4, product::Price), QStringLiteral("9"));
    EXPECT_EQ(cell(4, product::Includes), QStringLiteral("Pending"));
    // A blank first row, current, with editing on and empty details.
    EXPECT_EQ(mProducts.Count(), 5);
    EXPECT_EQ(mTable.rows(), 5);
    EXPECT_EQ(mView.current, 1);
    EXPECT_TRUE(mTable.cell(1, product::PartNumber).isEmpty());
    EXPECT_EQ(cell(2, product::PartNumber), QStringLiteral("A-1"));
    EXPECT_TRUE(mView.button);
    EXPECT_TRUE(mView.unlocked);
    EXPECT_FALSE(mSchedule.isLocked());
    EXPECT_EQ(mView.boxes.price, QString());
    EXPECT_TRUE(mEditor.addingMarker().isEmpty());
    // The move to the new row committed nothing into the product above it.
    EXPECT_EQ(cell(2, product::Price), QStringLiteral("12.5"));
    EXPECT_EQ(cell(2, product::Includes), QStringLiteral("Washers"));

    // The user fills in the new product and moves on: it is committed.
    mTable.setCell(1, product::PartNumber, QStringLiteral("Z-9"));
    mTable.setCell(1, product::ProductName, QStringLiteral("Zipper"));
    mView.type("4.5", "Pull", "Brass");
    mView.typePricePoint(1, "100", "4.00");
    mView.typePricePoint(2, "10", "4.25");
    mView.setCurrentRow(3);
    EXPECT_EQ(cell(1, product::Price), QStringLiteral("$4.50"));
    EXPECT_EQ(cell(1, product::Includes), QStringLiteral("Pull"));
    EXPECT_EQ(cell(1, product::Notes), QStringLiteral("Brass"));
    EXPECT_EQ(quantity(1, 1), QStringLiteral("10"));
    EXPECT_EQ(quantity(1, 2), QStringLiteral("100"));
    EXPECT_EQ(cell(2, product::Includes), QStringLiteral("Washers"));
}

TEST_F(ProductEditorTest, NewProductWithEditingOffAndOnAnEmptyCatalogue)
{
    mView.setCurrentRow(2);
    mEditor.newProduct();
    EXPECT_EQ(mView.current, 1);
    EXPECT_TRUE(mView.button);
    EXPECT_EQ(cell(3, product::PartNumber), QStringLiteral("B-2"));
    EXPECT_TRUE(mTable.cell(3, product::Price).isNumber());
    // The cleared schedule went into the new row, not into the product that was current.
    EXPECT_EQ(quantity(3, 1), QStringLiteral("5"));

    load(QByteArray());
    mView.button = false;
    mEditor.newProduct();
    EXPECT_EQ(mProducts.Count(), 1);
    EXPECT_EQ(mTable.rows(), 1);
    EXPECT_EQ(mTable.columns(), product::ColumnCount);
    EXPECT_EQ(mView.current, 1);
}

TEST_F(ProductEditorTest, AddProductInsertsAFirstRowAndCommitsTheRowLeft)
{
    clickEditButton();
    mView.setCurrentRow(2);
    mView.type("6", "", "");
    mEditor.addProduct();
    EXPECT_EQ(mProducts.Count(), 5);
    EXPECT_EQ(mView.current, 1);
    EXPECT_TRUE(mTable.cell(1, product::PartNumber).isEmpty());
    EXPECT_TRUE(mView.button);
    EXPECT_TRUE(mView.unlocked);
    EXPECT_TRUE(mEditor.addingMarker().isEmpty());
    // Leaving the product for the new row committed it like any row change.
    EXPECT_EQ(cell(3, product::PartNumber), QStringLiteral("B-2"));
    EXPECT_EQ(cell(3, product::Price), QStringLiteral("$6.00"));
}

TEST_F(ProductEditorTest, CatalogueHoldsAtMostAThousandProducts)
{
    QByteArray full;
    for (int i = 0; i < product::Capacity; ++i)
        full += record({QByteArray::number(10000 + i), "Item"});
    load(full);
    mEditor.newProduct();
    mEditor.addProduct();
    EXPECT_EQ(mProducts.Count(), product::Capacity);
    EXPECT_EQ(mTable.rows(), product::Capacity);
    EXPECT_FALSE(mView.button);
    EXPECT_EQ(mPrompter.messageTexts(),
              QStringList(2, QStringLiteral("The catalogue holds at most 1000 products. Delete "
                                            "a product before adding another.")));
}

TEST_F(ProductEditorTest, DeleteAsksAndShowsTheProductThatBecomesCurrent)
{
    clickEditButton();
    mView.setCurrentRow(2);
    mView.type("1", "Pending", "");
    mPrompter.answer(Answer::No);
    mEditor.deleteProduct();
    ASSERT_EQ(mPrompter.prompts().size(), 1);
    const RecordedPrompt &asked = mPrompter.prompts().at(0);
    EXPECT_EQ(asked.text, QStringLiteral("Delete this product?"));
    EXPECT_EQ(asked.caption, QStringLiteral("Delete"));
    EXPECT_EQ(asked.buttons, Buttons::YesNo);
    EXPECT_EQ(asked.icon, Icon::Question);
    EXPECT_EQ(mProducts.Count(), 4);

    mPrompter.answer(Answer::Yes);
    mEditor.deleteProduct();
    EXPECT_EQ(mProducts.Count(), 3);
    EXPECT_EQ(mTable.rows(), 3);
    EXPECT_EQ(rowOf("B-2"), 0);
    // The product now current shows its own details, and the text typed for the deleted one
    // went nowhere.
    const int current = mView.current;
    ASSERT_GT(current, 0);
    EXPECT_EQ(mView.boxes.includes, cell(current, product::Includes));
    for (int row = 1; row <= 3; ++row)
        EXPECT_NE(cell(row, product::Includes), QStringLiteral("Pending"));
    // Moving on commits the current product's own details, not empty ones.
    mView.setCurrentRow(current == 1 ? 2 : 1);
    EXPECT_EQ(cell(rowOf("A-1"), product::Includes), QStringLiteral("Washers"));
    EXPECT_EQ(readBytes(mPath), kCatalogue);
}

TEST_F(ProductEditorTest, DeleteAllEmptiesTableDetailsAndScheduleButNotTheFile)
{
    mPrompter.answer(Answer::No);
    mEditor.deleteAll();
    EXPECT_EQ(mProducts.Count(), 4);

    mPrompter.answer(Answer::Yes);
    mEditor.deleteAll();
    EXPECT_EQ(mPrompter.prompts().at(1).text, QStringLiteral("Delete All Products?"));
    EXPECT_EQ(mPrompter.prompts().at(1).caption, QStringLiteral("Delete"));
    EXPECT_EQ(mPrompter.prompts().at(1).buttons, Buttons::YesNo);
    EXPECT_EQ(mPrompter.prompts().at(1).icon, Icon::Question);
    EXPECT_EQ(mProducts.Count(), 0);
    EXPECT_EQ(mTable.rows(), 0);
    EXPECT_EQ(mView.current, 0);
    EXPECT_EQ(mView.boxes.price, QString());
    EXPECT_EQ(mView.boxes.includes, QString());
    for (int k = 1; k <= 5; ++k)
        EXPECT_TRUE(mSchedule.table().cell(k, 1).isEmpty());
    EXPECT_EQ(readBytes(mPath), kCatalogue);
    ASSERT_TRUE(mProducts.WriteProds(mPath).ok());
    EXPECT_EQ(readBytes(mPath), QByteArray());
}

TEST_F(ProductEditorTest, FindFreshAndContinuingSearches)
{
    // The first search: part numbers and names, letter case ignored.
    mView.searchAnswers = {"abc", "abc", "b", "B", "r"};
    mView.setCurrentRow(4);
    mEditor.find();
    EXPECT_EQ(mView.current, 3); // "Clamp ABC"
    EXPECT_EQ(mView.searchPrompts.at(0), QStringLiteral("Enter the product name to locate."));
    EXPECT_EQ(mView.searchDefaults.at(0), QString());

    // The same text again continues after the match; nothing more below: ask.
    mPrompter.answer(Answer::Yes);
    mEditor.find();
    EXPECT_EQ(mView.searchPrompts.at(1),
              QStringLiteral("Enter new Product or click OK to keep searching"));
    EXPECT_EQ(mView.searchDefaults.at(1), QStringLiteral("abc"));
    ASSERT_EQ(mPrompter.prompts().size(), 1);
    EXPECT_EQ(mPrompter.prompts().at(0).text,
              QStringLiteral("Match not found. Search from beginning?"));
    EXPECT_EQ(mPrompter.prompts().at(0).caption, QStringLiteral("Find"));
    EXPECT_EQ(mPrompter.prompts().at(0).buttons, Buttons::YesNo);
    EXPECT_EQ(mPrompter.prompts().at(0).icon, Icon::Question);
    EXPECT_EQ(mView.current, 3); // found again from the beginning

    // A different text starts from the first row: "b" is in "Anchor bolt".
    mEditor.find();
    EXPECT_EQ(mView.current, 1);
    // The same letter in other case is a different text: a fresh search again.
    mEditor.find();
    EXPECT_EQ(mView.current, 1);
    mEditor.find(); // "r": "Anchor bolt" is not searched again; "Bracket" is next
    EXPECT_EQ(mView.current, 1);
    EXPECT_EQ(mEditor.lastSearchText(), QStringLiteral("r"));
}

TEST_F(ProductEditorTest, FindWithoutMatchesAndWithoutText)
{
    mView.searchAnswers = {"", "zz", "zz"};
    mView.setCurrentRow(3);
    mEditor.find(); // Cancel: nothing at all
    EXPECT_EQ(mView.current, 3);
    EXPECT_TRUE(mPrompter.prompts().isEmpty());
    EXPECT_TRUE(mEditor.lastSearchText().isEmpty());

    mEditor.find();
    EXPECT_EQ(mPrompter.messageTexts(), QStringList({"No matches found."}));
    EXPECT_EQ(mPrompter.prompts().at(0).caption, QStringLiteral("Find"));
    EXPECT_EQ(mPrompter.prompts().at(0).buttons, Buttons::Ok);
    EXPECT_EQ(mView.current, 1);

    mPrompter.answer(Answer::No);
    mEditor.find(); // continuing: asks, No ends at the first row
    EXPECT_EQ(mPrompter.messageTexts().last(),
              QStringLiteral("Match not found. Search from beginning?"));
    EXPECT_EQ(mView.current, 1);
    EXPECT_EQ(mPrompter.unanswered(), 0);

    load(QByteArray());
    mView.searchAnswers = {"a"};
    mEditor.find();
    EXPECT_EQ(mPrompter.messageTexts().last(), QStringLiteral("No matches found."));
}

TEST_F(ProductEditorTest, FindHidesTheGridWhileSearching)
{
    // A match: the grid comes back at the matching row.
    mView.searchAnswers = {"drill", "zz", "drill", "drill"};
    mView.setCurrentRow(2);
    mView.gridEvents.clear();
    mEditor.find();
    EXPECT_EQ(mView.gridEvents, QStringList({"hidden", "row 4", "shown"}));
    EXPECT_TRUE(mView.gridVisible);

    // No match: first column, the grid shown, first row, and only then the message.
    mView.gridEvents.clear();
    mEditor.find();
    EXPECT_EQ(mView.gridEvents,
              QStringList({"hidden", "first column", "shown", "row 1", "message"}));

    // Continuing past the last match, Yes: the second pass runs with the grid shown.
    mEditor.find();
    mPrompter.answer(Answer::Yes);
    mView.gridEvents.clear();
    mEditor.find();
    EXPECT_EQ(mView.gridEvents, QStringList({"hidden", "first column", "shown", "row 1", "message",
                                             "row 4", "shown"}));
    EXPECT_TRUE(mView.gridVisible);
}

TEST_F(ProductEditorTest, FindMovesCommitTheRowLeftWhileEditing)
{
    clickEditButton();
    mView.type("2", "Found", "");
    mView.searchAnswers = {"drill"};
    mEditor.find();
    EXPECT_EQ(mView.current, 4);
    EXPECT_EQ(cell(1, product::Price), QStringLiteral("$2.00"));
    EXPECT_EQ(cell(1, product::Includes), QStringLiteral("Found"));
}

TEST_F(ProductEditorTest, ClearWorksWithEditingOff)
{
    mView.setCurrentRow(2);
    EXPECT_FALSE(mView.button);
    mEditor.clearPrices();
    for (int k = 1; k <= 5; ++k) {
        EXPECT_TRUE(mTable.cell(2, product::pricePointQuantity(k)).isEmpty());
        EXPECT_TRUE(mSchedule.table().cell(k, 1).isEmpty());
    }
    EXPECT_EQ(quantity(1, 1), QStringLiteral("10"));
}

TEST_F(ProductEditorTest, SortEndsEditingWithoutCommitting)
{
    clickEditButton();
    mView.type("1", "Uncommitted", "");
    mView.typePricePoint(1, "3", "1.00");
    // What a header click does: the button is released, the table sorted, the first row
    // made current, then editing hears of it.
    mView.button = false;
    mProducts.sortByColumn(product::ProductName);
    mView.setCurrentRow(1);
    mEditor.sorted();
    EXPECT_FALSE(mView.unlocked);
    EXPECT_TRUE(mSchedule.isLocked());
    for (int row = 1; row <= 4; ++row) {
        EXPECT_NE(cell(row, product::Includes), QStringLiteral("Uncommitted"));
        EXPECT_NE(quantity(row, 1), QStringLiteral("3"));
    }
    EXPECT_EQ(mView.boxes.includes, cell(1, product::Includes));
}

TEST(PromptState, OkCancelAndClosing)
{
    PromptState prompt;
    QSignalSpy closed(&prompt, &PromptState::closed);
    prompt.open(QStringLiteral("Enter the product name to locate."), QStringLiteral("abc"));
    EXPECT_TRUE(prompt.Active());
    EXPECT_EQ(prompt.MsgText(), QStringLiteral("Enter the product name to locate."));
    EXPECT_EQ(prompt.text(), QStringLiteral("abc"));
    prompt.setText(QStringLiteral("bolt"));
    prompt.confirm();
    EXPECT_FALSE(prompt.Active());
    EXPECT_TRUE(prompt.OK());
    EXPECT_EQ(prompt.text(), QStringLiteral("bolt"));

    prompt.open(QStringLiteral("m"), QStringLiteral("bolt"));
    EXPECT_FALSE(prompt.OK());
    prompt.cancel();
    EXPECT_FALSE(prompt.Active());
    EXPECT_FALSE(prompt.OK());
    EXPECT_TRUE(prompt.text().isEmpty());

    prompt.open(QStringLiteral("m"), QStringLiteral("bolt"));
    prompt.unload();
    EXPECT_FALSE(prompt.Active());
    EXPECT_FALSE(prompt.OK());
    EXPECT_TRUE(prompt.text().isEmpty());
    prompt.unload(); // closing a closed prompt changes nothing
    EXPECT_EQ(closed.size(), 3);
}

} // namespace
