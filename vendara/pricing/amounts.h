// Numbers in the quote table's cells. A cell counts as a number when it holds one, or when
// its text reads as one under the user's number settings (a currency amount such as "$12.50"
// included). A single-precision number is read as the decimal it stands for. Amounts the
// quote computes are kept as text with fifteen significant digits: a single-precision cell
// would lose cents above about $100,000.
#pragma once

#include "vendara/store/cell.h"

// std
#include <optional>

namespace vendara {

class Amounts
{
public:
    [[nodiscard]] static std::optional<double> read(const Cell &cell);
    // The number of `cell`, or 0 when it is not one.
    [[nodiscard]] static double readOrZero(const Cell &cell);
    // A computed amount as a cell.
    [[nodiscard]] static Cell cell(double value);
    // A whole quantity as a cell.
    [[nodiscard]] static Cell wholeNumber(double value);
    // The whole cents of `value`, rounded half to even.
    [[nodiscard]] static double cents(double value);
    // "currency" for a cell that is a number; any other cell as its text.
    [[nodiscard]] static QString currency(const Cell &cell);
};

} // namespace vendara
