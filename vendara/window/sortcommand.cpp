#include "sortcommand.h"

#include "producthistory.h"

#include "vendara/store/productcolumns.h"
#include "vendara/store/productorder.h"
#include "vendara/store/products.h"

// std
#include <algorithm>
#include <numeric>

namespace vendara {

SortCommand::SortCommand(ProductHistory &history, const QString &text, int column, int currentRow)
    : ProductCommand(history, text, currentRow, 1)
    , mColumn(column)
{}

void SortCommand::apply(Products &products)
{
    Table &table = products.table();
    const int count = std::max(0, products.Count());
    mColumnsBefore = table.columns();
    mBeyondCount.clear();
    for (int row = count + 1; row <= table.rows(); ++row)
        mBeyondCount.push_back(TableSnapshot::readRow(table, row));

    // The store's sort: the table cut to the count, rows 1..count in a stable order on the
    // column.
    table.beginReset();
    table.setBounds(count, product::ColumnCount);
    mOrigin.resize(std::size_t(count));
    std::iota(mOrigin.begin(), mOrigin.end(), 1);
    if (mColumn >= 1 && mColumn <= table.columns()) {
        std::stable_sort(mOrigin.begin(), mOrigin.end(), [&](int a, int b) {
            return ProductOrder::compare(table.cell(a, mColumn), table.cell(b, mColumn)) < 0;
        });
    }
    std::vector<TableSnapshot::Row> rows;
    rows.reserve(mOrigin.size());
    for (const int origin : mOrigin)
        rows.push_back(TableSnapshot::readRow(table, origin));
    for (int row = 1; row <= count; ++row)
        TableSnapshot::writeRow(table, row, rows[std::size_t(row - 1)]);
    table.endReset();

    const bool moved = !std::is_sorted(mOrigin.begin(), mOrigin.end());
    if (!moved && mBeyondCount.empty() && mColumnsBefore == table.columns())
        setObsolete(true); // in order already: nothing to take back
}

void SortCommand::revert(Products &products)
{
    Table &table = products.table();
    const int count = int(mOrigin.size());
    table.beginReset();
    std::vector<TableSnapshot::Row> rows;
    rows.reserve(mOrigin.size());
    for (int row = 1; row <= count; ++row)
        rows.push_back(TableSnapshot::readRow(table, row));
    table.setBounds(count + int(mBeyondCount.size()), mColumnsBefore);
    for (int row = 1; row <= count; ++row)
        TableSnapshot::writeRow(table, mOrigin[std::size_t(row - 1)], rows[std::size_t(row - 1)]);
    for (std::size_t i = 0; i < mBeyondCount.size(); ++i)
        TableSnapshot::writeRow(table, count + 1 + int(i), mBeyondCount[i]);
    table.endReset();
}

} // namespace vendara
