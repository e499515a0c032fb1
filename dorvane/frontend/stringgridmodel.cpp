#include "stringgridmodel.h"

namespace dorvane {

StringGridModel::StringGridModel(int columns, QObject *parent)
    : QAbstractTableModel(parent)
    , mColumns(columns)
{
    for (int c = 0; c < mColumns; ++c) {
        mHeaders.append(QString());
        mWidths.append(64);
    }
}

int StringGridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : mRows;
}

int StringGridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : mColumns;
}

QVariant StringGridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return {};
    const QString text = cell(index.row(), index.column());
    const bool lines = text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'));
    if (role == Qt::ToolTipRole)
        return lines ? QVariant(text) : QVariant();
    if (!lines)
        return text;
    // A grid cell holds one line: the line breaks of a note show as pilcrows.
    QString oneLine = text;
    oneLine.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    oneLine.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    oneLine.replace(QLatin1Char('\n'), QStringLiteral(" \u00b6 "));
    return oneLine;
}

QVariant StringGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return header(section);
    return section + 1;
}

void StringGridModel::setHeaders(const QStringList &headers, const QList<int> &widths)
{
    for (int c = 0; c < mColumns; ++c) {
        mHeaders[c] = c < headers.size() ? headers.at(c) : QString();
        mWidths[c] = c < widths.size() ? widths.at(c) : 0;
    }
    emit headerDataChanged(Qt::Horizontal, 0, mColumns - 1);
    emit columnWidthsChanged();
}

int StringGridModel::columnWidth(int column) const
{
    return column >= 0 && column < mColumns ? mWidths.at(column) : 0;
}

QString StringGridModel::header(int column) const
{
    return column >= 0 && column < mColumns ? mHeaders.at(column) : QString();
}

void StringGridModel::setRows(int rows, std::vector<QString> cells)
{
    beginResetModel();
    mRows = qMax(0, rows);
    mCells = std::move(cells);
    mCells.resize(size_t(mRows) * size_t(mColumns));
    endResetModel();
}

void StringGridModel::clearRows()
{
    setRows(0, {});
}

QString StringGridModel::cell(int row, int column) const
{
    if (row < 0 || row >= mRows || column < 0 || column >= mColumns)
        return {};
    return mCells[size_t(row) * size_t(mColumns) + size_t(column)];
}

} // namespace dorvane
