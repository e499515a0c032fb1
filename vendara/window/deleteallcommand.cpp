#include "deleteallcommand.h"

#include "producthistory.h"

#include "vendara/store/productcolumns.h"
#include "vendara/store/products.h"

// std
#include <algorithm>

namespace vendara {

DeleteAllCommand::DeleteAllCommand(ProductHistory &history, const QString &text, int currentRow)
    : ProductCommand(history, text, currentRow, ProductHistory::KeepRow)
{}

void DeleteAllCommand::apply(Products &products)
{
    mBefore = TableSnapshot::take(products);
    Table &table = products.table();
    if (table.rows() > 0)
        table.setBounds(0, std::max(table.columns(), product::ColumnCount));
    products.setCount(0);
}

void DeleteAllCommand::revert(Products &products)
{
    mBefore.restore(products);
}

} // namespace vendara
