#include "producteditor.h"

#include "editingtexts.h"
#include "editorview.h"
#include "productfinder.h"

#include "common/prompt/prompter.h"
#include "vendara/pricing/pricescheduletable.h"
#include "vendara/store/productcolumns.h"
#include "vendara/store/products.h"
#include "vendara/store/storetexts.h"

// std
#include <algorithm>

namespace vendara {

using prompt::Answer;
using prompt::Buttons;
using prompt::Icon;

ProductEditor::ProductEditor(Products &products, PriceScheduleTable &schedule, EditorView &view,
                             prompt::Prompter &prompter)
    : mProducts(products)
    , mSchedule(schedule)
    , mView(view)
    , mPrompter(prompter)
{}

void ProductEditor::toggleEditButton()
{
    if (mView.editButton())
        mView.applyEditState(true, true);
    else
        finishEditing(CommitOccasion::EditButtonOff, true);
}

void ProductEditor::toggleEditMenu()
{
    mView.setEditButton(!mView.editButton());
    if (mView.editButton())
        mView.applyEditState(true, true);
    else
        finishEditing(CommitOccasion::EditMenuOff, true);
}

void ProductEditor::finishEditing(CommitOccasion occasion, bool schedule)
{
    // Cell edits end before the grids lock: locking refreshes an open editor from the table.
    mView.finishCellEdit();
    finishScheduleEdit(occasion);
    const int row = mView.currentRow();
    mView.applyEditState(false, schedule);
    DetailCommit::commit(mProducts.table(), row, mView.details(), mView.shownDetails(), mSchedule,
                         occasion);
    if (row > 0)
        mView.setCurrentRow(row);
}

void ProductEditor::finishScheduleEdit(CommitOccasion occasion)
{
    if (DetailCommit::rule(occasion).copyPricePoints)
        mView.finishScheduleEdit();
}

void ProductEditor::commit(int row, CommitOccasion occasion)
{
    finishScheduleEdit(occasion);
    DetailCommit::commit(mProducts.table(), row, mView.details(), mView.shownDetails(), mSchedule,
                         occasion);
}

bool ProductEditor::refuseWhenFull()
{
    if (mProducts.Count() < product::Capacity)
        return false;
    mPrompter.message(texts::catalogueFull(), texts::programTitle(), Buttons::Ok,
                      Icon::Exclamation);
    return true;
}

void ProductEditor::insertFirstRow()
{
    Table &table = mProducts.table();
    if (table.columns() < product::ColumnCount)
        table.setBounds(table.rows(), product::ColumnCount);
    // The current product moves down with the rows below the new one; making the new row
    // current is then one row change, from that product to the new one.
    table.insertRow(1);
    mProducts.setCount(mProducts.Count() + 1);
    mView.setCurrentRow(1);
    mView.focusGrid();
}

void ProductEditor::newProduct()
{
    if (refuseWhenFull())
        return;
    // Editing stays on: the current product is committed as when editing ends, and the new
    // one is edited next.
    if (mView.editButton())
        finishEditing(CommitOccasion::NewProduct, true);
    mAddingMarker = texts::addingNew();
    insertFirstRow();
    // The move to the new row has taken the marker; it never outlives this command, or the
    // next real row change would leave the new product uncommitted.
    mAddingMarker.clear();
    mView.applyEditState(true, true);
    mSchedule.ClearPrice(mProducts.table(), mView.currentRow());
    mView.setEditButton(true);
    mView.clearDetails();
}

void ProductEditor::addProduct()
{
    if (refuseWhenFull())
        return;
    insertFirstRow();
    mView.applyEditState(true, true);
    mView.setEditButton(true);
}

void ProductEditor::deleteProduct()
{
    if (mPrompter.message(texts::deleteProduct(), texts::deleteCaption(), Buttons::YesNo,
                          Icon::Question)
        != Answer::Yes)
        return;
    const int row = mView.currentRow();
    if (row == 0)
        return;
    mRemoving = true;
    mProducts.table().deleteRow(row);
    mRemoving = false;
    mProducts.setCount(std::max(0, mProducts.Count() - 1));
    // The boxes show the product that is now current: empty boxes over it would be
    // committed into it at the next row change.
    mView.showCurrentDetails();
}

void ProductEditor::deleteAll()
{
    if (mPrompter.message(texts::deleteAllProducts(), texts::deleteCaption(), Buttons::YesNo,
                          Icon::Question)
        != Answer::Yes)
        return;
    Table &table = mProducts.table();
    mRemoving = true;
    if (table.rows() > 0)
        table.setBounds(0, std::max(table.columns(), product::ColumnCount));
    mRemoving = false;
    mView.setCurrentRow(1);
    mProducts.setCount(0);
    mView.clearDetails();
    mSchedule.PriceUpdate(table, 0);
}

void ProductEditor::find()
{
    const QString message = mLastSearchText.isEmpty() ? texts::locateFirst() : texts::locateAgain();
    const QString text = mView.askSearchText(message, mLastSearchText);
    if (text.isEmpty())
        return;
    const Table &table = mProducts.table();
    const bool continuing = text == mLastSearchText;
    int from = continuing ? mView.currentRow() + 1 : 1;
    mLastSearchText = text;
    mView.setGridVisible(false);
    for (;;) {
        if (const int row = ProductFinder::search(table, from, text)) {
            mView.setCurrentRow(row);
            mView.setGridVisible(true);
            return;
        }
        // Nothing more matches: the grid is shown at its first row and column before the
        // message.
        mView.selectFirstColumn();
        mView.setGridVisible(true);
        mView.setCurrentRow(1);
        if (!continuing) {
            mPrompter.message(texts::noMatches(), texts::findCaption());
            return;
        }
        if (mPrompter.message(texts::searchFromBeginning(), texts::findCaption(), Buttons::YesNo,
                              Icon::Question)
            != Answer::Yes)
            return;
        from = 1;
    }
}

void ProductEditor::clearPrices()
{
    mSchedule.ClearPrice(mProducts.table(), mView.currentRow());
}

void ProductEditor::rowChanging(int previous, int /*current*/)
{
    if (!mRemoving && previous > 0 && mView.editButton() && mAddingMarker != texts::addingNew())
        commit(previous, CommitOccasion::RowChange);
    mAddingMarker.clear();
}

void ProductEditor::detailsShown(int row)
{
    mSchedule.PriceUpdate(mProducts.table(), row);
}

void ProductEditor::sorted()
{
    mView.applyEditState(false, true);
}

void ProductEditor::unloading()
{
    if (!mView.editButton())
        return;
    mView.finishCellEdit();
    commit(mView.currentRow(), CommitOccasion::WindowClose);
}

} // namespace vendara
