// Quantity price points: up to five per product, each a quantity from which on a different
// unit price applies. Price point k lives in the product table's columns 4 + 2k (quantity)
// and 5 + 2k (unit price), both as typed; it is set when its quantity is not empty, even
// when its price is.
#pragma once

#include "vendara/store/table.h"

// Qt
#include <QString>
#include <QtGlobal>

// std
#include <optional>

namespace vendara {

class PricePoints
{
public:
    // The unit price of the product with part number `Number` (the first such row, letter
    // case ignored as in every part-number look-up) for `qty` pieces: the base price, replaced
    // by the price of every price point whose quantity `qty` reaches, in column order, so the
    // last one reached wins (with ascending quantities, the largest one not above `qty`). A
    // reached price point with an empty price gives empty text. A quantity that is not a
    // 16-bit whole number gives the base price whatever was reached before. Empty text when
    // no product has that part number.
    [[nodiscard]] static QString SetPrice(const Table &products, const QString &Number, qint32 qty);

    // The discount schedule text of product row `X`: "10 - $9.50;   50 - $8.75" (each set
    // price point as stored, the second and later ones after a semicolon and three spaces,
    // so a first price point that is not set leaves the text starting with the separator).
    // Empty text for a product without price points or a row outside the table.
    [[nodiscard]] static QString creatdiscs(const Table &products, int X);

    // Whether price point `k` (1 to 5) of product row `row` is set.
    [[nodiscard]] static bool isSet(const Table &products, int row, int k);
    // A price point quantity as a 16-bit whole number: the user's digit grouping is accepted
    // (1,000 counts as 1000) and a fraction goes to the nearest whole number, halves to even.
    // Nothing for a text that is not a number or lies outside -32768..32767.
    [[nodiscard]] static std::optional<qint16> quantity(const Cell &cell);
};

} // namespace vendara
