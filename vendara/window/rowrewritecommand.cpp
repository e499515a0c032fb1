#include "rowrewritecommand.h"

#include "vendara/store/products.h"

namespace vendara {

RowRewriteCommand::RowRewriteCommand(ProductHistory &history, const QString &text, int row,
                                     TableSnapshot::Row before, TableSnapshot::Row after)
    : ProductCommand(history, text, row, row)
    , mRow(row)
    , mBefore(std::move(before))
    , mAfter(std::move(after))
{
    markApplied();
}

void RowRewriteCommand::apply(Products &products)
{
    TableSnapshot::writeRow(products.table(), mRow, mAfter);
}

void RowRewriteCommand::revert(Products &products)
{
    TableSnapshot::writeRow(products.table(), mRow, mBefore);
}

} // namespace vendara
