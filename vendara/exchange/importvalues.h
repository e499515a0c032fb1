// How a spreadsheet cell becomes a product field, the same for a new product and for an
// update: texts with their line breaks as CR LF, the product name cut to 75 characters, the
// price only when the cell reads as a number the catalogue can hold.
#pragma once

#include "sheetcell.h"

// Qt
#include <QString>

namespace vendara {

class ImportValues
{
public:
    static constexpr int kNameLength = 75;

    // The cell's value as a field holds it; nothing for an empty or unreadable cell.
    [[nodiscard]] static QString text(const SheetCell &cell);
    // The first 75 characters. A cut that would fall between the CR and the LF of a line
    // break, or inside a character outside the basic plane, is made before it instead, so
    // the name never ends in half a line break.
    [[nodiscard]] static QString name(const QString &text);

    struct Price
    {
        enum class Kind {
            None,     // empty, or a text that is no number: the price stays as it is
            Number,   // `value` is the price
            TooLarge, // a number the catalogue's single precision cannot hold
        };
        Kind kind = Kind::None;
        float value = 0.0f;
    };
    // A number cell, or a text that reads as a number in the user's forms ("$1,049.99").
    [[nodiscard]] static Price price(const SheetCell &cell);
};

} // namespace vendara
