// The seven columns of a quote line (one row of the quote table).
#pragma once

namespace vendara::quote {

inline constexpr int PartNumber = 1;  // copied from the product; never empty on a line
inline constexpr int ProductName = 2; // copied from the product
inline constexpr int Price = 3;       // unit price of this line
inline constexpr int Quantity = 4;    // a whole number
inline constexpr int ExtPrice = 5;    // unit price times quantity
inline constexpr int ListPrice = 6;   // the product's base price when the line was added
inline constexpr int Includes = 7;    // the product's "Includes" text when the line was added
inline constexpr int ColumnCount = 7;
// A quote holds at most this many lines.
inline constexpr int Capacity = 250;

} // namespace vendara::quote
