#include "tablemodel.h"

#include "numberforms.h"

namespace vendara {

TableModel::TableModel(Table &table, QList<GridColumn> columns, QObject *parent)
    : QAbstractTableModel(parent)
    , mTable(&table)
    , mColumns(std::move(columns))
{
    connect(&table, &Table::aboutToReset, this, [this] { beginResetModel(); });
    connect(&table, &Table::wasReset, this, [this] { endResetModel(); });
    connect(&table, &Table::rowsAboutToBeInserted, this,
            [this](int first, int last) { beginInsertRows({}, first - 1, last - 1); });
    connect(&table, &Table::rowsInserted, this, [this] { endInsertRows(); });
    connect(&table, &Table::rowsAboutToBeRemoved, this,
            [this](int first, int last) { beginRemoveRows({}, first - 1, last - 1); });
    connect(&table, &Table::rowsRemoved, this, [this] { endRemoveRows(); });
    connect(&table, &Table::cellsChanged, this, &TableModel::tableCellsChanged);
}

int TableModel::columnOf(int tableColumn) const
{
    for (int i = 0; i < mColumns.size(); ++i) {
        if (mColumns.at(i).tableColumn == tableColumn)
            return i;
    }
    return -1;
}

void TableModel::setLocked(int column, bool locked)
{
    if (column < 0 || column >= mColumns.size() || mColumns.at(column).locked == locked)
        return;
    mColumns[column].locked = locked;
    if (rowCount() > 0)
        emit dataChanged(index(0, column), index(rowCount() - 1, column), {});
}

QString TableModel::formatCell(const Cell &cell, CellFormat format)
{
    if (cell.isEmpty())
        return {};
    switch (format) {
    case CellFormat::Currency:
        if (cell.isNumber())
            return NumberForms::currency(cell.number());
        if (const auto value = NumberForms::readNumber(cell.text()))
            return NumberForms::currency(*value);
        break;
    case CellFormat::Quantity:
        if (cell.isNumber())
            return NumberForms::quantity(cell.number());
        if (const auto value = NumberForms::readNumber(cell.text()))
            return NumberForms::quantity(*value);
        break;
    case CellFormat::GeneralNumber:
    case CellFormat::Text:
        break;
    }
    QString text = cell.toText();
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    return text;
}

int TableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() || mTable.isNull() ? 0 : mTable->rows();
}

int TableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(mColumns.size());
}

QVariant TableModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)
        || mTable.isNull())
        return {};
    const GridColumn &column = mColumns.at(index.column());
    const Cell &cell = mTable->cell(index.row() + 1, column.tableColumn);
    switch (role) {
    case Qt::DisplayRole:
        return formatCell(cell, column.format);
    case Qt::EditRole:
        return cell.toText();
    case Qt::TextAlignmentRole:
        if (column.format == CellFormat::Text)
            return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
        return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
    default:
        return {};
    }
}

QVariant TableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal) {
        if (section < 0 || section >= mColumns.size())
            return {};
        if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
            return mColumns.at(section).caption;
        return {};
    }
    if (role == Qt::DisplayRole)
        return section + 1;
    return {};
}

Qt::ItemFlags TableModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren;
    if (!mColumns.at(index.column()).locked)
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool TableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || mTable.isNull()
        || !checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)
        || mColumns.at(index.column()).locked)
        return false;
    mTable->setCell(index.row() + 1, mColumns.at(index.column()).tableColumn,
                    Cell(value.toString()));
    return true;
}

void TableModel::tableCellsChanged(int firstRow, int firstColumn, int lastRow, int lastColumn)
{
    for (int i = 0; i < mColumns.size(); ++i) {
        const int tableColumn = mColumns.at(i).tableColumn;
        if (tableColumn >= firstColumn && tableColumn <= lastColumn)
            emit dataChanged(index(firstRow - 1, i), index(lastRow - 1, i), {});
    }
}

} // namespace vendara
