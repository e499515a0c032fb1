// The product table as it stands at one moment: its bounds, every cell and the product count.
// The history keeps one where a step removes many rows at once, and restores it exactly:
// numbers stay numbers, texts keep their line breaks, empty texts stay apart from nothing.
#pragma once

#include "vendara/store/cell.h"

// std
#include <vector>

namespace vendara {

class Products;
class Table;

class TableSnapshot
{
public:
    using Row = std::vector<Cell>;

    [[nodiscard]] static TableSnapshot take(const Products &products);
    // Puts the table back as it was, announced to the views as one reset, and the count.
    void restore(Products &products) const;

    [[nodiscard]] int rows() const { return int(mRows.size()); }
    [[nodiscard]] int count() const { return mCount; }
    bool operator==(const TableSnapshot &other) const = default;

    // The cells of row `row`, columns 1 to the table's last.
    [[nodiscard]] static Row readRow(const Table &table, int row);
    // Writes `cells` into row `row` from column 1 (cells beyond the table's columns are
    // dropped).
    static void writeRow(Table &table, int row, const Row &cells);

private:
    std::vector<Row> mRows;
    int mColumns = 0;
    int mCount = 0;
};

} // namespace vendara
