// The one comparison rule for products: every sort of the product table, whichever column,
// and every look-up of a part number. Cells compare by their text, without regard to letter
// case; a number compares by the text it is written as. Empty cells come first.
#pragma once

#include "cell.h"

namespace vendara {

class ProductOrder
{
public:
    // Negative, zero or positive.
    [[nodiscard]] static int compare(const Cell &a, const Cell &b);
    [[nodiscard]] static bool equal(const Cell &a, const Cell &b) { return compare(a, b) == 0; }
};

} // namespace vendara
