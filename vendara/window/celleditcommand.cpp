#include "celleditcommand.h"

#include "vendara/store/products.h"

namespace vendara {

CellEditCommand::CellEditCommand(ProductHistory &history, const QString &text, int row, int column,
                                 Cell before, Cell after)
    : ProductCommand(history, text, row, row)
    , mRow(row)
    , mColumn(column)
    , mBefore(std::move(before))
    , mAfter(std::move(after))
{
    markApplied();
}

void CellEditCommand::apply(Products &products)
{
    products.table().setCell(mRow, mColumn, mAfter);
}

void CellEditCommand::revert(Products &products)
{
    products.table().setCell(mRow, mColumn, mBefore);
}

} // namespace vendara
