#include "pricelist.h"

#include "vendara/store/productcolumns.h"
#include "vendara/store/table.h"
#include "vendara/store/tablemodel.h"

namespace vendara {

QStringList PriceList::columnCaptions()
{
    return {QStringLiteral("Part Number"), QStringLiteral("Product Name"), QStringLiteral("Price")};
}

QList<PriceListRow> PriceList::rows(const Table &products)
{
    QList<PriceListRow> rows;
    rows.reserve(products.rows());
    for (int row = 1; row <= products.rows(); ++row) {
        rows.append(
            {TableModel::formatCell(products.cell(row, product::PartNumber), CellFormat::Text),
             TableModel::formatCell(products.cell(row, product::ProductName), CellFormat::Text),
             TableModel::formatCell(products.cell(row, product::Price), CellFormat::Currency)});
    }
    return rows;
}

} // namespace vendara
