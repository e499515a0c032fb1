// The texts of product editing and Find, kept together so that tests can check them exactly.
#pragma once

#include "vendara/store/productcolumns.h"

// Qt
#include <QString>

namespace vendara::texts {

// The grid's tag while a new product row has just been inserted.
inline QString addingNew()
{
    return QStringLiteral("Adding New");
}

inline QString deleteProduct()
{
    return QStringLiteral("Delete this product?");
}
inline QString deleteAllProducts()
{
    return QStringLiteral("Delete All Products?");
}
inline QString deleteCaption()
{
    return QStringLiteral("Delete");
}

inline QString catalogueFull()
{
    return QStringLiteral("The catalogue holds at most %1 products. Delete a product before "
                          "adding another.")
        .arg(product::Capacity);
}

// Find and its prompt.
inline QString locateProductCaption()
{
    return QStringLiteral("Locate Product");
}
inline QString locateFirst()
{
    return QStringLiteral("Enter the product name to locate.");
}
inline QString locateAgain()
{
    return QStringLiteral("Enter new Product or click OK to keep searching");
}
inline QString findCaption()
{
    return QStringLiteral("Find");
}
inline QString noMatches()
{
    return QStringLiteral("No matches found.");
}
inline QString searchFromBeginning()
{
    return QStringLiteral("Match not found. Search from beginning?");
}

} // namespace vendara::texts
