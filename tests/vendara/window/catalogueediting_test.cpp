#include "catalogue.h"

#include "tests/support/scriptedprompter.h"
#include "tests/vendara/window/cataloguewindowfixture.h"
#include "vendara/pricing/pricescheduletable.h"
#include "vendara/store/productcolumns.h"
#include "vendara/store/programcontext.h"
#include "vendara/store/tablemodel.h"
#include "vendara/window/catalogueediting.h"
#include "vendara/window/discountstab.h"
#include "vendara/window/frmmain.h"
#include "vendara/window/frmprompt.h"
#include "vendara/window/generaltab.h"
#include "vendara/window/productgrid.h"

// Qt
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFocusEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTextCursor>
#include <QTimer>

// std
#include <functional>

#include <gtest/gtest.h>

namespace {

using namespace vendara;
using prompt::Answer;
using testsupport::readBytes;
using testsupport::record;
using testsupport::writeBytes;

const QByteArray kCatalogue = record({"A-1", "Anchor bolt", "12.5", "", "Washers", "10", "11.00"})
                              + record({"b-2", "Bracket", "3.75"})
                              + record({"C-3", "Clamp", "8", "", "", "5", "7.50"});

class CatalogueEditingTest : public testsupport::CatalogueWindowFixture
{
protected:
    CatalogueEditingTest()
        : CatalogueWindowFixture(kCatalogue)
    {}

    frmMain &open()
    {
        frmMain &window = CatalogueWindowFixture::open();
        mEditing = CatalogueEditing::install(window);
        return window;
    }
    void run(const char *command) { mWindow->action(QLatin1String(command))->trigger(); }
    Table &table() { return mContext->productTable(); }
    QString cell(int row, int column) { return table().cell(row, column).toText(); }
    GeneralTab &general() { return *mWindow->generalTab(); }
    QTableView &schedule() { return *mWindow->discountsTab()->priceSchedule(); }
    void typeDetails(const QString &price, const QString &includes, const QString &notes)
    {
        general().txtPrice()->setText(price);
        general().txtIncludes()->setPlainText(includes);
        general().txtNotes()->setPlainText(notes);
    }
    // Types into a grid cell through its editor, leaving the editor open.
    void typeInCell(QAbstractItemView &view, int row, int column, const QString &text)
    {
        const QModelIndex index = view.model()->index(row, column);
        view.setCurrentIndex(index);
        view.edit(index);
        auto *editor = qobject_cast<QLineEdit *>(view.indexWidget(index));
        ASSERT_NE(editor, nullptr);
        editor->setText(text);
    }
    // Runs `answer` once the "Locate Product" prompt is open.
    void whenPromptOpens(std::function<void(FrmPrompt &)> answer)
    {
        QTimer::singleShot(10, [this, answer] {
            QElapsedTimer waited;
            waited.start();
            while (!mEditing->prompt()->isVisible() && waited.elapsed() < 5000)
                QApplication::processEvents();
            answer(*mEditing->prompt());
        });
    }

    CatalogueEditing *mEditing = nullptr;
};

TEST_F(CatalogueEditingTest, DiscountsTabShowsTheCurrentProductsSchedule)
{
    frmMain &window = open();
    EXPECT_EQ(schedule().model()->headerData(0, Qt::Horizontal).toString(),
              QStringLiteral("Price Point"));
    EXPECT_EQ(schedule().model()->headerData(1, Qt::Horizontal).toString(),
              QStringLiteral("Price"));
    EXPECT_EQ(schedule().model()->index(0, 0).data().toString(), QStringLiteral("10"));
    EXPECT_EQ(schedule().model()->index(0, 1).data().toString(), QStringLiteral("$11.00"));
    window.setCurrentRow(3);
    EXPECT_EQ(schedule().model()->index(0, 0).data().toString(), QStringLiteral("5"));
    window.setCurrentRow(2);
    EXPECT_EQ(schedule().model()->index(0, 0).data().toString(), QString());

    // The pop-up menu "Price Schedule" opens on the right button's release inside the grid.
    QMenu *menu = window.menu(QStringLiteral("mnups"));
    const QPoint at = schedule().visualRect(schedule().model()->index(1, 0)).center();
    QMouseEvent release(QEvent::MouseButtonRelease, at, schedule().viewport()->mapToGlobal(at),
                        Qt::RightButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(schedule().viewport(), &release);
    EXPECT_TRUE(menu->isVisible());
    menu->hide();
    EXPECT_TRUE(window.action(QStringLiteral("mnuclearprices"))->isEnabled());
}

TEST_F(CatalogueEditingTest, EditButtonLocksAndUnlocksAndCommitsThePendingCell)
{
    frmMain &window = open();
    TableModel &model = *window.productModel();
    QAction *edit = window.action(QStringLiteral("Edit"));
    EXPECT_FALSE(model.flags(model.index(0, 0)) & Qt::ItemIsEditable);
    EXPECT_TRUE(general().txtPrice()->isReadOnly());
    EXPECT_FALSE(schedule().model()->flags(schedule().model()->index(0, 0)) & Qt::ItemIsEditable);

    edit->trigger();
    EXPECT_TRUE(window.editMode());
    EXPECT_TRUE(model.flags(model.index(0, 0)) & Qt::ItemIsEditable);
    EXPECT_TRUE(model.flags(model.index(0, 1)) & Qt::ItemIsEditable);
    EXPECT_FALSE(model.flags(model.index(0, 3)) & Qt::ItemIsEditable);
    EXPECT_FALSE(general().txtIncludes()->isReadOnly());
    EXPECT_TRUE(schedule().model()->flags(schedule().model()->index(4, 1)) & Qt::ItemIsEditable);
    EXPECT_EQ(window.productGrid()->selectionBehavior(), QAbstractItemView::SelectItems);

    typeInCell(*window.productGrid(), 0, 1, QStringLiteral("Anchor bolt M8"));
    typeDetails(QStringLiteral("13"), QStringLiteral("Washers\r\nNuts"), QStringLiteral("Zinc"));
    typeInCell(schedule(), 1, 0, QStringLiteral("5"));
    edit->trigger(); // released: both open cell edits are kept, then the row is committed
    EXPECT_FALSE(window.editMode());
    EXPECT_EQ(cell(1, product::ProductName), QStringLiteral("Anchor bolt M8"));
    EXPECT_EQ(cell(1, product::Price), QStringLiteral("13"));
    EXPECT_EQ(cell(1, product::Includes), QStringLiteral("Washers\r\nNuts"));
    EXPECT_EQ(cell(1, product::pricePointQuantity(1)), QStringLiteral("5"));
    EXPECT_EQ(cell(1, product::pricePointQuantity(2)), QStringLiteral("10"));
    EXPECT_FALSE(model.flags(model.index(0, 1)) & Qt::ItemIsEditable);
    EXPECT_TRUE(general().txtNotes()->isReadOnly());
    EXPECT_EQ(window.productGrid()->selectionBehavior(), QAbstractItemView::SelectRows);
    EXPECT_EQ(window.productGrid()->currentIndex().column(), 0);
    EXPECT_EQ(window.currentRow(), 1);
}

TEST_F(CatalogueEditingTest, RowChangeAndMenuEditCommitInTheirForms)
{
    frmMain &window = open();
    run("Edit");
    typeDetails(QStringLiteral("5"), QString(), QString());
    typeInCell(schedule(), 0, 0, QStringLiteral("20")); // left open: the row change ends it
    window.setCurrentRow(2);
    EXPECT_EQ(cell(1, product::Price), QStringLiteral("$5.00"));
    EXPECT_EQ(cell(1, product::pricePointQuantity(1)), QStringLiteral("20"));
    EXPECT_EQ(general().txtPrice()->text(), QStringLiteral("$3.75"));

    typeDetails(QStringLiteral("4"), QString(), QString());
    run("mnuEditProd"); // the menu releases the button and commits as typed
    EXPECT_FALSE(window.editMode());
    EXPECT_EQ(cell(2, product::Price), QStringLiteral("4"));
    EXPECT_TRUE(general().txtPrice()->isReadOnly());
    run("mnuEditProd");
    EXPECT_TRUE(window.editMode());
    EXPECT_TRUE(window.action(QStringLiteral("Edit"))->isChecked());
    EXPECT_FALSE(general().txtPrice()->isReadOnly());
}

TEST_F(CatalogueEditingTest, EditModeWithoutTypingLeavesThePriceTheBoxRounds)
{
    // The price box shows 0.125 as "$0.12": it is not written back unless the user changes
    // it.
    const QByteArray bytes = record({"A-1", "Anchor bolt", "0.125", "", "Washers\r\nNuts"})
                             + record({"B-2", "Bracket", "0.135"});
    writeBytes(catalogue(), bytes);
    frmMain &window = open();
    QLineEdit &price = *general().txtPrice();
    EXPECT_EQ(price.text(), QStringLiteral("$0.12"));
    run("Edit");
    run("Edit");
    run("mnuEditProd");
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(&price, &out); // into the box and out again
    window.setCurrentRow(2);
    window.setCurrentRow(1);
    run("mnuEditProd");
    EXPECT_EQ(cell(1, product::Price), QStringLiteral("0.125"));
    EXPECT_EQ(cell(1, product::Includes), QStringLiteral("Washers\r\nNuts"));
    EXPECT_EQ(cell(2, product::Price), QStringLiteral("0.135"));
    run("Edit");
    window.close();
    EXPECT_EQ(readBytes(catalogue()), bytes);

    // What the user types is stored, the box's own text typed again included.
    open();
    run("Edit");
    general().txtPrice()->selectAll();
    QTest::keyClicks(general().txtPrice(), QStringLiteral("$0.13"));
    run("Edit");
    EXPECT_EQ(cell(1, product::Price), QStringLiteral("$0.13"));
    EXPECT_EQ(cell(1, product::Includes), QStringLiteral("Washers\r\nNuts"));
    run("Edit");
    mWindow->setCurrentRow(2);
    EXPECT_EQ(general().txtPrice()->text(), QStringLiteral("$0.14"));
    general().txtPrice()->selectAll();
    QTest::keyClicks(general().txtPrice(), QStringLiteral("0.14"));
    QApplication::sendEvent(general().txtPrice(), &out);
    EXPECT_EQ(general().txtPrice()->text(), QStringLiteral("$0.14"));
    mWindow->setCurrentRow(1);
    EXPECT_EQ(cell(2, product::Price), QStringLiteral("$0.14"));
}

TEST_F(CatalogueEditingTest, PriceBoxTakesTheCurrencyFormWhenLeft)
{
    open();
    run("Edit");
    general().txtPrice()->setText(QStringLiteral("1234.5"));
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(general().txtPrice(), &out);
    EXPECT_EQ(general().txtPrice()->text(), QStringLiteral("$1,234.50"));
    general().txtPrice()->setText(QStringLiteral("ask"));
    QApplication::sendEvent(general().txtPrice(), &out);
    EXPECT_EQ(general().txtPrice()->text(), QStringLiteral("ask"));
}

TEST_F(CatalogueEditingTest, NewProductIsStoredWithSortedPricePointsAfterARestart)
{
    frmMain &window = open();
    run("Edit");
    run("Insert");
    EXPECT_EQ(window.currentRow(), 1);
    EXPECT_EQ(mContext->products().Count(), 4);
    EXPECT_TRUE(window.editMode());
    EXPECT_EQ(general().txtPrice()->text(), QString());
    // The product that was current was committed before the new row came; its boxes were
    // not changed, so it keeps its own price rather than the box's currency form.
    EXPECT_EQ(cell(2, product::Price), QStringLiteral("12.5"));
    EXPECT_TRUE(table().cell(2, product::Price).isNumber());

    TableModel &model = *window.productModel();
    model.setData(model.index(0, 0), QStringLiteral("B-1"), Qt::EditRole);
    model.setData(model.index(0, 1), QStringLiteral("Bolt"), Qt::EditRole);
    typeDetails(QStringLiteral("2"), QStringLiteral("Nut"), QStringLiteral("Line 1\nLine 2"));
    const QStringList points = {"100",  "1.50", "10",   "1.90", "1,000",
                                "1.00", "50",   "1.75", "500",  "1.20"};
    for (int k = 0; k < 5; ++k) {
        schedule().model()->setData(schedule().model()->index(k, 0), points.at(2 * k));
        schedule().model()->setData(schedule().model()->index(k, 1), points.at(2 * k + 1));
    }
    window.setCurrentRow(3);
    window.close();

    const QByteArray bolt = record({"B-1", "Bolt", "$2.00", "Line 1\r\nLine 2", "Nut", "10", "1.90",
                                    "50", "1.75", "100", "1.50", "500", "1.20", "1,000", "1.00"});
    EXPECT_TRUE(readBytes(catalogue()).startsWith(bolt));

    frmMain &again = open();
    EXPECT_EQ(again.productModel()->index(1, 0).data().toString(), QStringLiteral("B-1"));
    again.setCurrentRow(2);
    EXPECT_EQ(schedule().model()->index(4, 0).data().toString(), QStringLiteral("1,000"));
    EXPECT_EQ(general().txtNotes()->toPlainText(), QStringLiteral("Line 1\nLine 2"));
}

TEST_F(CatalogueEditingTest, ALineBreakTypedAtTheStartOfTheNotesKeepsTheProductWhole)
{
    // As a new user would: in edit mode, the cursor at the start of the notes, Enter, leave
    // edit mode, close, start again.
    frmMain &window = open();
    run("Edit");
    general().txtNotes()->setPlainText(QStringLiteral("Keep dry"));
    for (QPlainTextEdit *box : {general().txtNotes(), general().txtIncludes()}) {
        box->moveCursor(QTextCursor::Start);
        QTest::keyClick(box, Qt::Key_Return);
        QTest::keyClick(box, Qt::Key_Return);
    }
    EXPECT_EQ(general().txtIncludes()->toPlainText(), QStringLiteral("\n\nWashers"));
    run("Edit");
    // The window shows what will be saved.
    EXPECT_EQ(cell(1, product::Notes), QStringLiteral("Keep dry"));
    EXPECT_EQ(cell(1, product::Includes), QStringLiteral("Washers"));
    EXPECT_EQ(general().txtNotes()->toPlainText(), QStringLiteral("Keep dry"));
    EXPECT_EQ(general().txtIncludes()->toPlainText(), QStringLiteral("Washers"));
    window.close();

    open();
    EXPECT_EQ(mContext->products().Count(), 3);
    EXPECT_EQ(cell(1, product::PartNumber), QStringLiteral("A-1"));
    EXPECT_EQ(cell(1, product::Notes), QStringLiteral("Keep dry"));
    EXPECT_EQ(cell(1, product::Includes), QStringLiteral("Washers"));
    EXPECT_EQ(cell(1, product::pricePointPrice(1)), QStringLiteral("11.00"));
    EXPECT_EQ(cell(2, product::PartNumber), QStringLiteral("b-2"));
}

TEST_F(CatalogueEditingTest, HeaderSortWhileEditingDiscardsUncommittedText)
{
    frmMain &window = open();
    run("Edit");
    typeDetails(QStringLiteral("99"), QStringLiteral("Uncommitted"), QString());
    typeInCell(schedule(), 0, 0, QStringLiteral("7"));
    window.productGrid()->horizontalHeader()->sectionClicked(1);
    EXPECT_FALSE(window.editMode());
    EXPECT_TRUE(general().txtPrice()->isReadOnly());
    EXPECT_FALSE(schedule().model()->flags(schedule().model()->index(0, 0)) & Qt::ItemIsEditable);
    for (int row = 1; row <= 3; ++row) {
        EXPECT_NE(cell(row, product::Includes), QStringLiteral("Uncommitted"));
        EXPECT_NE(cell(row, product::pricePointQuantity(1)), QStringLiteral("7"));
    }
    EXPECT_EQ(window.currentRow(), 1);
    EXPECT_EQ(general().txtIncludes()->toPlainText(), QStringLiteral("Washers"));
    window.setCurrentRow(3); // editing is off now: nothing is committed
    EXPECT_TRUE(table().cell(1, product::Price).isNumber());
    EXPECT_EQ(cell(1, product::Includes), QStringLiteral("Washers"));
}

TEST_F(CatalogueEditingTest, DeleteAndDeleteAllChangeTheFileOnlyAtClose)
{
    frmMain &window = open();
    window.setCurrentRow(2);
    mPrompter.answer(Answer::Yes);
    run("DelProd");
    EXPECT_EQ(mContext->products().Count(), 2);
    EXPECT_EQ(general().txtPrice()->text(),
              TableModel::formatCell(table().cell(window.currentRow(), product::Price),
                                     CellFormat::Currency));
    mPrompter.answer(Answer::Yes);
    run("mnuDelAll");
    EXPECT_EQ(mPrompter.messageTexts(),
              QStringList({"Delete this product?", "Delete All Products?"}));
    EXPECT_EQ(mContext->products().Count(), 0);
    EXPECT_EQ(window.productModel()->rowCount(), 0);
    EXPECT_EQ(schedule().model()->index(0, 0).data().toString(), QString());
    EXPECT_EQ(readBytes(catalogue()), kCatalogue);
    window.close();
    EXPECT_EQ(readBytes(catalogue()), QByteArray());
}

TEST_F(CatalogueEditingTest, FindThroughTheLocateProductPrompt)
{
    frmMain &window = open();
    whenPromptOpens([](FrmPrompt &prompt) {
        EXPECT_EQ(prompt.windowTitle(), QStringLiteral("Locate Product"));
        EXPECT_EQ(prompt.message()->text(), QStringLiteral("Enter the product name to locate."));
        EXPECT_EQ(prompt.textBox()->text(), QString());
        EXPECT_FALSE(prompt.isModal());
        QTest::keyClicks(prompt.textBox(), QStringLiteral("clamp"));
        QTest::keyClick(prompt.textBox(), Qt::Key_Return);
    });
    run("Find");
    EXPECT_EQ(window.currentRow(), 3);
    EXPECT_FALSE(mEditing->prompt()->isVisible());

    // Again: the last text is offered; Cancel searches nothing.
    whenPromptOpens([](FrmPrompt &prompt) {
        EXPECT_EQ(prompt.message()->text(),
                  QStringLiteral("Enter new Product or click OK to keep searching"));
        EXPECT_EQ(prompt.textBox()->text(), QStringLiteral("clamp"));
        prompt.cancelButton()->click();
    });
    window.setCurrentRow(1);
    run("Find");
    EXPECT_EQ(window.currentRow(), 1);
    EXPECT_TRUE(mPrompter.prompts().isEmpty());

    // Closing the prompt's window is a Cancel too.
    whenPromptOpens([](FrmPrompt &prompt) { prompt.close(); });
    run("Find");
    EXPECT_EQ(window.currentRow(), 1);

    // OK with the same text continues after the current row.
    whenPromptOpens([](FrmPrompt &prompt) { prompt.okButton()->click(); });
    run("Find");
    EXPECT_EQ(window.currentRow(), 3);
}

TEST_F(CatalogueEditingTest, FindWithoutMatchShowsTheGridAtItsFirstRowAndColumn)
{
    frmMain &window = open();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    run("Edit");
    QTableView *grid = window.productGrid();
    grid->setCurrentIndex(grid->model()->index(1, 1));
    grid->setFocus();
    whenPromptOpens([](FrmPrompt &prompt) {
        QTest::keyClicks(prompt.textBox(), QStringLiteral("zz"));
        QTest::keyClick(prompt.textBox(), Qt::Key_Return);
    });
    run("Find");
    EXPECT_EQ(mPrompter.messageTexts(), QStringList(QStringLiteral("No matches found.")));
    EXPECT_TRUE(grid->isVisible());
    EXPECT_EQ(grid->currentIndex(), grid->model()->index(0, 0));

    // A match keeps the grid shown too, and with it the keyboard focus.
    grid->setFocus();
    whenPromptOpens([](FrmPrompt &prompt) {
        prompt.textBox()->clear();
        QTest::keyClicks(prompt.textBox(), QStringLiteral("bracket"));
        QTest::keyClick(prompt.textBox(), Qt::Key_Return);
    });
    run("Find");
    EXPECT_EQ(window.currentRow(), 2);
    EXPECT_TRUE(grid->isVisible());
}

} // namespace
