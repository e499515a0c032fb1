// The fifteen columns of a product record (one row of the product table).
#pragma once

// Qt
#include <QString>

namespace vendara::product {

inline constexpr int PartNumber = 1; // the key: a row without it is not a product
inline constexpr int ProductName = 2;
inline constexpr int Price = 3; // a number after loading, the price box's text after an edit
inline constexpr int Notes = 4;
inline constexpr int Includes = 5;
inline constexpr int ColumnCount = 15;
inline constexpr int PricePointCount = 5;
// The catalogue holds at most this many products.
inline constexpr int Capacity = 1000;

// Price point k (1 to 5): quantity threshold and unit price from that quantity on.
[[nodiscard]] constexpr int pricePointQuantity(int k)
{
    return 4 + 2 * k;
}
[[nodiscard]] constexpr int pricePointPrice(int k)
{
    return 5 + 2 * k;
}

// The label of a column as the program shows it ("Part Number", "Price Point 1", ...).
[[nodiscard]] QString label(int column);

} // namespace vendara::product
