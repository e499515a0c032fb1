// The names of the product table's history steps as the "&Undo" and "&Redo" items show them
// ("&Undo Delete A-100"), kept together so that tests can check them exactly.
#pragma once

#include "vendara/store/productcolumns.h"

// Qt
#include <QString>

namespace vendara::texts {

namespace detail {

// "<what> <part number>", or "<what> Product" for a product without a part number yet.
inline QString ofProduct(const QString &what, const QString &partNumber)
{
    return partNumber.trimmed().isEmpty() ? what + QStringLiteral(" Product")
                                          : what + QLatin1Char(' ') + partNumber.trimmed();
}

} // namespace detail

inline QString editDetailsStep(const QString &partNumber)
{
    return detail::ofProduct(QStringLiteral("Edit"), partNumber);
}
// A grid cell typed over: "Edit Product Name of A-100".
inline QString editCellStep(int column, const QString &partNumber)
{
    const QString what = QStringLiteral("Edit ") + product::label(column);
    return partNumber.trimmed().isEmpty() ? what
                                          : what + QStringLiteral(" of ") + partNumber.trimmed();
}
inline QString newProductStep()
{
    return QStringLiteral("New Product");
}
inline QString addProductStep()
{
    return QStringLiteral("Add Product");
}
inline QString deleteProductStep(const QString &partNumber)
{
    return detail::ofProduct(QStringLiteral("Delete"), partNumber);
}
inline QString deleteAllStep()
{
    return QStringLiteral("Delete All");
}
inline QString clearPricesStep(const QString &partNumber)
{
    const QString what = QStringLiteral("Clear Price Schedule");
    return partNumber.trimmed().isEmpty() ? what
                                          : what + QStringLiteral(" of ") + partNumber.trimmed();
}
inline QString sortStep(int column)
{
    return QStringLiteral("Sort by ") + product::label(column);
}

// The menu items: "&Undo" alone when there is nothing to undo. An "&" in a part number is
// shown as itself, not taken as the item's access key.
inline QString undoItem(const QString &step)
{
    return step.isEmpty() ? QStringLiteral("&Undo")
                          : QStringLiteral("&Undo ")
                                + QString(step).replace(QLatin1Char('&'), QStringLiteral("&&"));
}
inline QString redoItem(const QString &step)
{
    return step.isEmpty() ? QStringLiteral("&Redo")
                          : QStringLiteral("&Redo ")
                                + QString(step).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

} // namespace vendara::texts
