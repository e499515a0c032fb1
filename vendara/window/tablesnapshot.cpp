#include "tablesnapshot.h"

#include "vendara/store/products.h"

namespace vendara {

TableSnapshot TableSnapshot::take(const Products &products)
{
    const Table &table = products.table();
    TableSnapshot snapshot;
    snapshot.mColumns = table.columns();
    snapshot.mCount = products.Count();
    snapshot.mRows.reserve(std::size_t(table.rows()));
    for (int row = 1; row <= table.rows(); ++row)
        snapshot.mRows.push_back(readRow(table, row));
    return snapshot;
}

void TableSnapshot::restore(Products &products) const
{
    Table &table = products.table();
    table.beginReset();
    table.setBounds(0, mColumns);
    table.setBounds(rows(), mColumns);
    for (int row = 1; row <= rows(); ++row)
        writeRow(table, row, mRows[std::size_t(row - 1)]);
    table.endReset();
    products.setCount(mCount);
}

TableSnapshot::Row TableSnapshot::readRow(const Table &table, int row)
{
    Row cells;
    cells.reserve(std::size_t(table.columns()));
    for (int column = 1; column <= table.columns(); ++column)
        cells.push_back(table.cell(row, column));
    return cells;
}

void TableSnapshot::writeRow(Table &table, int row, const Row &cells)
{
    const int columns = std::min(table.columns(), int(cells.size()));
    for (int column = 1; column <= columns; ++column) {
        if (table.cell(row, column) != cells[std::size_t(column - 1)])
            table.setCell(row, column, cells[std::size_t(column - 1)]);
    }
}

} // namespace vendara
