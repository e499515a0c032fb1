#include "productcolumns.h"

namespace vendara::product {

QString label(int column)
{
    switch (column) {
    case PartNumber:
        return QStringLiteral("Part Number");
    case ProductName:
        return QStringLiteral("Product Name");
    case Price:
        return QStringLiteral("Price");
    case Notes:
        return QStringLiteral("Notes");
    case Includes:
        return QStringLiteral("Includes");
    default:
        break;
    }
    if (column > Includes && column <= ColumnCount) {
        const int k = (column - 4) / 2;
        return column % 2 == 0 ? QStringLiteral("Price Point %1").arg(k)
                               : QStringLiteral("Price %1").arg(k);
    }
    return {};
}

} // namespace vendara::product
