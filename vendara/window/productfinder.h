// Find: a product matches a search text when the text occurs in its part number or its
// product name, letter case ignored.
#pragma once

#include "vendara/store/table.h"

// Qt
#include <QString>

namespace vendara {

class ProductFinder
{
public:
    [[nodiscard]] static bool matches(const Table &products, int row, const QString &text);
    // The first matching row from `from` to the last row, or 0.
    [[nodiscard]] static int search(const Table &products, int from, const QString &text);
};

} // namespace vendara
