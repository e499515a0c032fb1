#include "productgridmodel.h"

#include "celleditcommand.h"
#include "historytexts.h"
#include "producthistory.h"

#include "vendara/store/productcolumns.h"

namespace vendara {

ProductGridModel::ProductGridModel(Table &table, QList<GridColumn> columns, ProductHistory &history,
                                   QObject *parent)
    : TableModel(table, std::move(columns), parent)
    , mHistory(history)
{}

bool ProductGridModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || index.column() >= columnCount())
        return TableModel::setData(index, value, role);
    const int row = index.row() + 1;
    const int column = gridColumn(index.column()).tableColumn;
    const Cell before = table().cell(row, column);
    const ProductHistory::Recording recording(mHistory);
    if (!TableModel::setData(index, value, role))
        return false;
    const Cell after = table().cell(row, column);
    if (after == before)
        return true;
    const QString partNumber = column == product::PartNumber
                                   ? before.toText()
                                   : table().cell(row, product::PartNumber).toText();
    mHistory.push(new CellEditCommand(mHistory, texts::editCellStep(column, partNumber), row,
                                      column, before, after));
    return true;
}

} // namespace vendara
