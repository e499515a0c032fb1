// The order of price points when an edited schedule is stored: by quantity as numbers, so
// that 5 comes before 10 and 1,000; a quantity that is not a number after every number; a
// price point without a quantity last.
#pragma once

#include "vendara/store/cell.h"

namespace vendara {

class QuantityOrder
{
public:
    // Negative, zero or positive.
    [[nodiscard]] static int compare(const Cell &a, const Cell &b);
};

} // namespace vendara
