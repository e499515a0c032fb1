// Rounding with halves going to the even neighbour, as every rounded amount of both
// programs is. Plain C++, no Qt.
#pragma once

namespace common {

// `value` rounded to `decimals` places (0 to 9); a value that lies exactly halfway, or within
// the noise that the binary form adds to a decimal half (2.675 stored as 2.67499999...),
// goes to the even neighbour.
[[nodiscard]] double roundHalfEven(double value, int decimals = 0);

} // namespace common
