#include "deleteproductcommand.h"

#include "producthistory.h"

#include "vendara/store/products.h"

// std
#include <algorithm>

namespace vendara {

DeleteProductCommand::DeleteProductCommand(ProductHistory &history, const QString &text, int row)
    : ProductCommand(history, text, row, ProductHistory::KeepRow)
    , mRow(row)
{}

void DeleteProductCommand::apply(Products &products)
{
    Table &table = products.table();
    mCells = TableSnapshot::readRow(table, mRow);
    mCountBefore = products.Count();
    table.deleteRow(mRow);
    products.setCount(std::max(0, mCountBefore - 1));
}

void DeleteProductCommand::revert(Products &products)
{
    Table &table = products.table();
    table.insertRow(mRow);
    TableSnapshot::writeRow(table, mRow, mCells);
    products.setCount(mCountBefore);
}

} // namespace vendara
