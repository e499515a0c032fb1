// A grid's view of a program table: each grid column shows one table column with a caption
// and a number format. The model holds no data; it passes the table's changes on to the
// views and writes accepted edits into the table.
#pragma once

#include "table.h"

// Qt
#include <QAbstractTableModel>
#include <QList>
#include <QPointer>

namespace vendara {

enum class CellFormat {
    Text,
    Currency,      // "currency" when the cell reads as a number
    GeneralNumber, // a number as it is
    Quantity,      // "#,###": grouped whole number, zero shows as nothing
};

struct GridColumn
{
    int tableColumn = 1;
    QString caption;
    CellFormat format = CellFormat::Text;
    bool locked = true; // a locked column refuses edits
};

class TableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    TableModel(Table &table, QList<GridColumn> columns, QObject *parent = nullptr);

    [[nodiscard]] Table &table() const { return *mTable; }
    [[nodiscard]] const GridColumn &gridColumn(int column) const { return mColumns.at(column); }
    // The model column that shows `tableColumn`, or -1.
    [[nodiscard]] int columnOf(int tableColumn) const;
    void setLocked(int column, bool locked);
    [[nodiscard]] bool isLocked(int column) const { return mColumns.at(column).locked; }

    // A cell as the grid shows it in `format`; line breaks show as spaces.
    [[nodiscard]] static QString formatCell(const Cell &cell, CellFormat format);

    [[nodiscard]] int rowCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] int columnCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex &index, int role) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role) const override;
    [[nodiscard]] Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;

private:
    void tableCellsChanged(int firstRow, int firstColumn, int lastRow, int lastColumn);

    QPointer<Table> mTable;
    QList<GridColumn> mColumns;
};

} // namespace vendara
