#include "insertproductcommand.h"

#include "vendara/store/productcolumns.h"
#include "vendara/store/products.h"

namespace vendara {

InsertProductCommand::InsertProductCommand(ProductHistory &history, const QString &text,
                                           int currentRow)
    : ProductCommand(history, text, currentRow, 1)
{}

void InsertProductCommand::apply(Products &products)
{
    Table &table = products.table();
    if (table.columns() < product::ColumnCount)
        table.setBounds(table.rows(), product::ColumnCount);
    mCountBefore = products.Count();
    table.insertRow(1);
    products.setCount(mCountBefore + 1);
}

void InsertProductCommand::revert(Products &products)
{
    products.table().deleteRow(1);
    products.setCount(mCountBefore);
}

} // namespace vendara
