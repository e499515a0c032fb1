#include "quotemodel.h"

#include "quotecolumns.h"

namespace vendara {

namespace {

QList<GridColumn> quoteGridColumns()
{
    return {{quote::PartNumber, QStringLiteral("Part Number"), CellFormat::Text, true},
            {quote::ProductName, QStringLiteral("Product"), CellFormat::Text, true},
            {quote::Price, QStringLiteral("Price"), CellFormat::Currency, false},
            {quote::Quantity, QStringLiteral("Quantity"), CellFormat::GeneralNumber, false},
            {quote::ExtPrice, QStringLiteral("Ext. Price"), CellFormat::Currency, true}};
}

} // namespace

QuoteModel::QuoteModel(QuoteList &quote, QObject *parent)
    : TableModel(quote.table(), quoteGridColumns(), parent)
    , mQuote(quote)
{}

bool QuoteModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole
        || !checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)
        || isLocked(index.column()))
        return false;
    mQuote.edit(index.row() + 1, gridColumn(index.column()).tableColumn, value.toString());
    return true;
}

} // namespace vendara
