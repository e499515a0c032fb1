// The table object behind each of the program's grids: cells addressed by row and column,
// both counted from 1, with explicit bounds that can change while keeping the content.
// Views follow the table through its signals; a grid never holds data of its own.
#pragma once

#include "cell.h"

// Qt
#include <QObject>

// std
#include <functional>
#include <vector>

namespace vendara {

class Table : public QObject
{
    Q_OBJECT

public:
    // Negative, zero or positive, like QString::compare.
    using Compare = std::function<int(const Cell &, const Cell &)>;

    explicit Table(int rows = 0, int columns = 0, QObject *parent = nullptr);

    [[nodiscard]] int rows() const { return int(mRows.size()); }
    [[nodiscard]] int columns() const { return mColumns; }
    [[nodiscard]] bool contains(int row, int column) const;

    // Rows 1..rows, columns 1..columns; cells inside the new bounds keep their values, new
    // cells are empty.
    void setBounds(int rows, int columns);

    // A cell outside the bounds reads as nothing; writing one is ignored.
    [[nodiscard]] const Cell &cell(int row, int column) const;
    // A text goes in as tableText() gives it.
    void setCell(int row, int column, const Cell &value);

    // Every cell empty; the bounds stay.
    void clear();
    // A blank row before `row` (rows()+1 appends); the rows below move down.
    void insertRow(int row);
    // Rows below move up.
    void deleteRow(int row);
    // Sorts rows first..last ascending on `column`, whole rows moving with their key; rows
    // with equal keys keep their order.
    void sortRows(int first, int last, int column, const Compare &compare);
    // The first row from `startRow` on whose cell in `column` compares equal to `value`, or 0.
    [[nodiscard]] int find(int startRow, int column, const Cell &value,
                           const Compare &compare) const;

    // Many changes announced as one reset (loading a file, for instance).
    void beginReset();
    void endReset();

    [[nodiscard]] static QString withoutSeparatorCharacter(QString text);
    // A text as a cell holds it: without the DEL character (0x7F) and without line breaks
    // (CR, LF) at its start. The catalogue file separates cells with DEL characters and ends
    // a record at a line that ends with one, so a cell holding DEL, or starting with a line
    // break right after the separator before it, would not read back as it was.
    [[nodiscard]] static QString tableText(QString text);

signals:
    void aboutToReset();
    void wasReset();
    void rowsAboutToBeInserted(int first, int last);
    void rowsInserted(int first, int last);
    void rowsAboutToBeRemoved(int first, int last);
    void rowsRemoved(int first, int last);
    void cellsChanged(int firstRow, int firstColumn, int lastRow, int lastColumn);

private:
    using Row = std::vector<Cell>;

    [[nodiscard]] bool quiet() const { return mResetDepth > 0; }

    std::vector<Row> mRows;
    int mColumns = 0;
    int mResetDepth = 0;
};

} // namespace vendara
