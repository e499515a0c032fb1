#include "producteditor.h"

#include "deleteallcommand.h"
#include "deleteproductcommand.h"
#include "editingtexts.h"
#include "editorview.h"
#include "historytexts.h"
#include "insertproductcommand.h"
#include "productfinder.h"
#include "producthistory.h"
#include "rowrewritecommand.h"
#include "tablesnapshot.h"

#include "common/prompt/prompter.h"
#include "vendara/pricing/pricescheduletable.h"
#include "vendara/store/productcolumns.h"
#include "vendara/store/products.h"
#include "vendara/store/storetexts.h"

namespace vendara {

using prompt::Answer;
using prompt::Buttons;
using prompt::Icon;

ProductEditor::ProductEditor(Products &products, PriceScheduleTable &schedule, EditorView &view,
                             prompt::Prompter &prompter, ProductHistory &history)
    : mProducts(products)
    , mSchedule(schedule)
    , mView(view)
    , mPrompter(prompter)
    , mHistory(history)
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
    recordCommit(row, occasion);
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
    recordCommit(row, occasion);
}

void ProductEditor::recordCommit(int row, CommitOccasion occasion)
{
    Table &table = mProducts.table();
    const ProductHistory::Recording recording(mHistory);
    TableSnapshot::Row before = TableSnapshot::readRow(table, row);
    DetailCommit::commit(table, row, mView.details(), mView.shownDetails(), mSchedule, occasion);
    TableSnapshot::Row after = TableSnapshot::readRow(table, row);
    if (after == before)
        return;
    const QString step = texts::editDetailsStep(table.cell(row, product::PartNumber).toText());
    mHistory.push(new DetailEditCommand(mHistory, step, row, std::move(before), std::move(after)));
}

bool ProductEditor::refuseWhenFull()
{
    if (mProducts.Count() < product::Capacity)
        return false;
    mPrompter.message(texts::catalogueFull(), texts::programTitle(), Buttons::Ok,
                      Icon::Exclamation);
    return true;
}

void ProductEditor::insertFirstRow(const QString &step)
{
    // The current product moves down with the rows below the new one; making the new row
    // current is then one row change, from that product to the new one.
    mHistory.push(new InsertProductCommand(mHistory, step, mView.currentRow()));
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
    insertFirstRow(texts::newProductStep());
    // The move to the new row has taken the marker; it never outlives this command, or the
    // next real row change would leave the new product uncommitted.
    mAddingMarker.clear();
    mView.applyEditState(true, true);
    // The new product is blank: showing its price points empties the schedule, and nothing
    // is written into the product.
    mSchedule.PriceUpdate(mProducts.table(), mView.currentRow());
    mView.setEditButton(true);
    mView.clearDetails();
}

void ProductEditor::addProduct()
{
    if (refuseWhenFull())
        return;
    // The product left for the new row is committed as at any row change, but before the
    // insert, so that its step comes before the new product's and an undo takes back the
    // new product first; the move to the new row then commits nothing more.
    const int left = mView.currentRow();
    if (left > 0 && mView.editButton())
        commit(left, CommitOccasion::RowChange);
    mAddingMarker = texts::addingNew();
    insertFirstRow(texts::addProductStep());
    mAddingMarker.clear();
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
    // Row changes while the row goes commit nothing: the row left is going away.
    const QString partNumber = mProducts.table().cell(row, product::PartNumber).toText();
    mHistory.push(new DeleteProductCommand(mHistory, texts::deleteProductStep(partNumber), row));
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
    if (table.rows() > 0)
        mHistory.push(new DeleteAllCommand(mHistory, texts::deleteAllStep(), mView.currentRow()));
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
    Table &table = mProducts.table();
    const int row = mView.currentRow();
    const ProductHistory::Recording recording(mHistory);
    TableSnapshot::Row before = TableSnapshot::readRow(table, row);
    mSchedule.ClearPrice(table, row);
    TableSnapshot::Row after = TableSnapshot::readRow(table, row);
    if (row < 1 || after == before)
        return;
    const QString step = texts::clearPricesStep(table.cell(row, product::PartNumber).toText());
    mHistory.push(new ClearPricesCommand(mHistory, step, row, std::move(before), std::move(after)));
}

void ProductEditor::commitOpenEdit()
{
    if (!mView.editButton())
        return;
    mView.finishCellEdit();
    commit(mView.currentRow(), CommitOccasion::EditButtonOff);
}

void ProductEditor::undo()
{
    commitOpenEdit();
    mHistory.undo();
}

void ProductEditor::redo()
{
    commitOpenEdit();
    mHistory.redo();
}

void ProductEditor::rowChanging(int previous, int /*current*/)
{
    if (!mHistory.isRecording() && previous > 0 && mView.editButton()
        && mAddingMarker != texts::addingNew())
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
