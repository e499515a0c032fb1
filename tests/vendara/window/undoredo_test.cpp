// "&Undo" and "&Redo" on the main window with product editing installed, the keys of the
// window's commands, and the Delete key on the grid.

#include "catalogue.h"

#include "tests/support/scriptedprompter.h"
#include "tests/vendara/window/cataloguewindowfixture.h"
#include "vendara/store/productcolumns.h"
#include "vendara/store/programcontext.h"
#include "vendara/store/tablemodel.h"
#include "vendara/window/catalogueediting.h"
#include "vendara/window/frmmain.h"
#include "vendara/window/generaltab.h"
#include "vendara/window/productgrid.h"
#include "vendara/window/producthistory.h"

// Qt
#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTest>
#include <QToolBar>

#include <gtest/gtest.h>

namespace {

using namespace vendara;
using prompt::Answer;
using testsupport::readBytes;
using testsupport::record;

const QByteArray kCatalogue =
    record({"A-1", "Anchor bolt", "12.5", "Zinc plated.\r\n\r\nBox of 50.", "Washers", "10", "11"})
    + record({"B-2", "Bracket", "3.75"}) + record({"C-3", "Clamp", "8", "", "", "5", "7.50"});

class UndoRedoTest : public testsupport::CatalogueWindowFixture
{
protected:
    UndoRedoTest()
        : CatalogueWindowFixture(kCatalogue)
    {}

    frmMain &openEditing()
    {
        frmMain &window = open();
        CatalogueEditing::install(window);
        return window;
    }
    QAction &action(const char *name) { return *mWindow->action(QLatin1String(name)); }
    void run(const char *name) { action(name).trigger(); }
    QStringList partNumbers()
    {
        QStringList parts;
        const Table &table = mContext->productTable();
        for (int row = 1; row <= table.rows(); ++row)
            parts << table.cell(row, product::PartNumber).toText();
        return parts;
    }
    void pressDelete()
    {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
        QApplication::sendEvent(mWindow->productGrid(), &press);
    }
};

TEST_F(UndoRedoTest, DeleteDeleteAllAndTwoUndosSaveTheCatalogueUnchanged)
{
    frmMain &window = openEditing();
    EXPECT_FALSE(action("mnuUndo").isEnabled());
    EXPECT_FALSE(action("Undo").isEnabled());
    EXPECT_EQ(action("mnuUndo").text(), QStringLiteral("&Undo"));

    window.setCurrentRow(2);
    mPrompter.answer(Answer::Yes);
    run("DelProd");
    EXPECT_EQ(action("mnuUndo").text(), QStringLiteral("&Undo Delete B-2"));
    EXPECT_TRUE(action("mnuUndo").isEnabled());
    EXPECT_EQ(action("Undo").toolTip(), QStringLiteral("Undo Delete B-2 (Ctrl+Z)"));
    EXPECT_EQ(action("Undo").text(), QStringLiteral("Undo"));
    mPrompter.answer(Answer::Yes);
    run("mnuDelAll");
    EXPECT_EQ(window.productModel()->rowCount(), 0);
    EXPECT_EQ(action("mnuUndo").text(), QStringLiteral("&Undo Delete All"));

    run("mnuUndo");
    EXPECT_EQ(partNumbers(), QStringList({"A-1", "C-3"}));
    EXPECT_EQ(action("mnuRedo").text(), QStringLiteral("&Redo Delete All"));
    EXPECT_EQ(action("Redo").toolTip(), QStringLiteral("Redo Delete All (Ctrl+Shift+Z)"));
    run("Undo");
    EXPECT_EQ(partNumbers(), QStringList({"A-1", "B-2", "C-3"}));
    // The deleted product is current again, and the grid and the boxes show it.
    EXPECT_EQ(window.currentRow(), 2);
    EXPECT_EQ(window.productModel()->rowCount(), 3);
    EXPECT_EQ(window.generalTab()->txtPrice()->text(), QStringLiteral("$3.75"));
    EXPECT_FALSE(action("mnuUndo").isEnabled());
    EXPECT_EQ(action("mnuUndo").text(), QStringLiteral("&Undo"));

    window.close();
    EXPECT_EQ(readBytes(catalogue()), kCatalogue);
}

TEST_F(UndoRedoTest, UndoBringsBackTheRowTheBoxesAndTheScheduleOfAnEdit)
{
    frmMain &window = openEditing();
    run("Edit");
    GeneralTab &general = *window.generalTab();
    general.txtNotes()->setPlainText(QStringLiteral("First\nSecond"));
    general.txtPrice()->setText(QStringLiteral("9"));
    window.setCurrentRow(3); // commits A-1
    EXPECT_EQ(mContext->productTable().cell(1, product::Notes).toText(),
              QStringLiteral("First\r\nSecond"));

    // Typed into C-3 and not committed yet: the undo makes that a step of its own first.
    general.txtIncludes()->setPlainText(QStringLiteral("Typed"));
    run("mnuUndo");
    EXPECT_EQ(window.currentRow(), 3);
    EXPECT_EQ(general.txtIncludes()->toPlainText(), QString());
    EXPECT_EQ(action("mnuRedo").text(), QStringLiteral("&Redo Edit C-3"));
    run("mnuUndo");
    EXPECT_EQ(window.currentRow(), 1);
    EXPECT_TRUE(window.editMode());
    EXPECT_TRUE(mContext->productTable().cell(1, product::Price).isNumber());
    EXPECT_EQ(general.txtPrice()->text(), QStringLiteral("$12.50"));
    EXPECT_EQ(general.txtNotes()->toPlainText(), QStringLiteral("Zinc plated.\n\nBox of 50."));

    // Moving on after the undo commits nothing into any product.
    window.setCurrentRow(3);
    window.setCurrentRow(1);
    EXPECT_FALSE(action("mnuUndo").isEnabled());
    run("mnuRedo");
    EXPECT_EQ(window.currentRow(), 1);
    EXPECT_EQ(general.txtPrice()->text(), QStringLiteral("$9.00"));
    window.close();
    EXPECT_NE(readBytes(catalogue()).indexOf("First\r\nSecond"), -1);
}

TEST_F(UndoRedoTest, HeaderSortAndGridCellEditsAreSteps)
{
    frmMain &window = openEditing();
    run("Edit");
    ProductGrid &grid = *window.productGrid();
    const QModelIndex name = window.productModel()->index(2, 1);
    grid.setCurrentIndex(name);
    grid.edit(name);
    auto *editor = qobject_cast<QLineEdit *>(grid.indexWidget(name));
    ASSERT_NE(editor, nullptr);
    editor->setText(QStringLiteral("Aardvark clamp"));
    run("Edit"); // ends the cell edit, committing it
    EXPECT_EQ(action("mnuUndo").text(), QStringLiteral("&Undo Edit Product Name of C-3"));

    grid.horizontalHeader()->sectionClicked(1);
    EXPECT_EQ(partNumbers(), QStringList({"C-3", "A-1", "B-2"}));
    EXPECT_EQ(action("mnuUndo").text(), QStringLiteral("&Undo Sort by Product Name"));
    run("mnuUndo");
    EXPECT_EQ(partNumbers(), QStringList({"A-1", "B-2", "C-3"}));
    run("mnuUndo");
    EXPECT_EQ(window.productModel()->index(2, 1).data().toString(), QStringLiteral("Clamp"));
    EXPECT_EQ(window.currentRow(), 3);
}

TEST_F(UndoRedoTest, DeleteKeyOnTheGridInEditModeAsksAndDeletes)
{
    frmMain &window = openEditing();
    window.setCurrentRow(2);
    pressDelete(); // editing is off: the key does nothing
    EXPECT_TRUE(mPrompter.prompts().isEmpty());

    run("Edit");
    mPrompter.answer(Answer::No);
    pressDelete();
    EXPECT_EQ(mPrompter.messageTexts(), QStringList({"Delete this product?"}));
    EXPECT_EQ(partNumbers().size(), 3);
    mPrompter.answer(Answer::Yes);
    pressDelete();
    EXPECT_EQ(partNumbers(), QStringList({"A-1", "C-3"}));

    // While a cell is being edited the key belongs to the cell's text.
    const QModelIndex part = window.productModel()->index(0, 0);
    window.productGrid()->setCurrentIndex(part);
    window.productGrid()->edit(part);
    ASSERT_TRUE(window.productGrid()->isEditingCell());
    pressDelete();
    EXPECT_EQ(mPrompter.prompts().size(), 2);
}

TEST_F(UndoRedoTest, ShortcutsRunTheirCommandsAndTheToolbarNamesThem)
{
    frmMain &window = open();
    QStringList runs;
    for (const char *key : {"Find", "mnuHelpContents", "mnuUndo", "mnuRedo"})
        window.commands().add(QLatin1String(key), [&runs, key] { runs << QLatin1String(key); });
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    // The "&Redo" item is enabled only with a step to redo: make one.
    window.history().pushApplied(QStringLiteral("Step"), nullptr, nullptr, 1, 1);
    window.history().undo();

    QTest::keyClick(&window, Qt::Key_F, Qt::ControlModifier);
    QTest::keyClick(&window, Qt::Key_F1);
    QTest::keyClick(&window, Qt::Key_Y, Qt::ControlModifier);
    QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(runs, QStringList({"Find", "mnuHelpContents", "mnuRedo", "mnuRedo"}));

    // Every tooltip keeps its words and names the keys; the buttons' names stay as they were.
    QStringList tips;
    QStringList names;
    for (QAction *button : window.toolBar()->actions()) {
        if (button->isSeparator() || button->objectName().isEmpty())
            continue;
        tips << button->toolTip();
        names << button->text();
    }
    EXPECT_EQ(tips, QStringList({"Open Excel File", "Save to Excel File", "Send to Palmpilot",
                                 "Go to Product (Ctrl+F)", "Edit Mode", "New Product",
                                 "Delete Product (Del)", "Undo (Ctrl+Z)",
                                 "Redo Step (Ctrl+Shift+Z)", "Help (F1)"}));
    EXPECT_EQ(names, QStringList({"Open Excel File", "Save to Excel File", "Send to Palmpilot",
                                  "Go to Product", "Edit Mode", "New Product", "Delete Product",
                                  "Undo", "Redo", "Help"}));
}

} // namespace
