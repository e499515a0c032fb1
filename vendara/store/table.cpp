#include "table.h"

// std
#include <algorithm>

namespace vendara {

namespace {

const Cell kNothing;

} // namespace

Table::Table(int rows, int columns, QObject *parent)
    : QObject(parent)
{
    mColumns = std::max(0, columns);
    mRows.assign(std::size_t(std::max(0, rows)), Row(std::size_t(mColumns)));
}

bool Table::contains(int row, int column) const
{
    return row >= 1 && row <= rows() && column >= 1 && column <= mColumns;
}

void Table::setBounds(int rowCount, int columnCount)
{
    rowCount = std::max(0, rowCount);
    columnCount = std::max(0, columnCount);
    if (rowCount == rows() && columnCount == mColumns)
        return;
    beginReset();
    mRows.resize(std::size_t(rowCount));
    for (Row &row : mRows)
        row.resize(std::size_t(columnCount));
    mColumns = columnCount;
    endReset();
}

const Cell &Table::cell(int row, int column) const
{
    if (!contains(row, column))
        return kNothing;
    return mRows[std::size_t(row - 1)][std::size_t(column - 1)];
}

QString Table::withoutSeparatorCharacter(QString text)
{
    if (text.contains(QChar(0x7F)))
        text.remove(QChar(0x7F));
    return text;
}

QString Table::tableText(QString text)
{
    text = withoutSeparatorCharacter(std::move(text));
    qsizetype start = 0;
    while (start < text.size()
           && (text.at(start) == QLatin1Char('\r') || text.at(start) == QLatin1Char('\n')))
        ++start;
    if (start > 0)
        text.remove(0, start);
    return text;
}

void Table::setCell(int row, int column, const Cell &value)
{
    if (!contains(row, column))
        return;
    Cell &target = mRows[std::size_t(row - 1)][std::size_t(column - 1)];
    if (value.isText())
        target = Cell(tableText(value.text()));
    else
        target = value;
    if (!quiet())
        emit cellsChanged(row, column, row, column);
}

void Table::clear()
{
    beginReset();
    for (Row &row : mRows)
        std::fill(row.begin(), row.end(), Cell());
    endReset();
}

void Table::insertRow(int row)
{
    row = std::clamp(row, 1, rows() + 1);
    if (!quiet())
        emit rowsAboutToBeInserted(row, row);
    mRows.insert(mRows.begin() + (row - 1), Row(std::size_t(mColumns)));
    if (!quiet())
        emit rowsInserted(row, row);
}

void Table::deleteRow(int row)
{
    if (row < 1 || row > rows())
        return;
    if (!quiet())
        emit rowsAboutToBeRemoved(row, row);
    mRows.erase(mRows.begin() + (row - 1));
    if (!quiet())
        emit rowsRemoved(row, row);
}

void Table::sortRows(int first, int last, int column, const Compare &compare)
{
    first = std::max(first, 1);
    last = std::min(last, rows());
    if (first >= last || column < 1 || column > mColumns)
        return;
    beginReset();
    const std::size_t key = std::size_t(column - 1);
    std::stable_sort(mRows.begin() + (first - 1), mRows.begin() + last,
                     [&](const Row &a, const Row &b) { return compare(a[key], b[key]) < 0; });
    endReset();
}

int Table::find(int startRow, int column, const Cell &value, const Compare &compare) const
{
    if (column < 1 || column > mColumns)
        return 0;
    for (int row = std::max(startRow, 1); row <= rows(); ++row) {
        if (compare(mRows[std::size_t(row - 1)][std::size_t(column - 1)], value) == 0)
            return row;
    }
    return 0;
}

void Table::beginReset()
{
    if (mResetDepth++ == 0)
        emit aboutToReset();
}

void Table::endReset()
{
    if (mResetDepth > 0 && --mResetDepth == 0)
        emit wasReset();
}

} // namespace vendara
