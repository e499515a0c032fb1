// Numbers in the quote table's cells. A cell counts as a number when it holds one, or when
// its text reads as one under the user's number settings (a currency amount such as "$12.50"
// included). A single-precision number is read as the decimal it stands for. Amounts the
// quote computes in double precision are kept as text with fifteen significant digits: a
// single-precision cell would lose cents above about $100,000. A price worked out in single
// precision is kept in the catalogue's number form instead, the shortest decimal of up to
// seven significant digits: its further digits are only the noise of the binary form.
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
    // A single-precision amount as a cell, in the catalogue's number form (9, 9.9), which is
    // what the cell's editor shows and what the cell reads back as.
    [[nodiscard]] static Cell single(float value);
    // A whole quantity as a cell.
    [[nodiscard]] static Cell wholeNumber(double value);
    // The whole cents of `value`, rounded half to even.
    [[nodiscard]] static double cents(double value);
    // "currency" for a cell that is a number; any other cell as its text.
    [[nodiscard]] static QString currency(const Cell &cell);
};

} // namespace vendara
