// The price box `TxtPrice`: when it loses the focus its number is shown in the "currency"
// form (12.5 becomes $12.50 with United States settings); that text is what editing stores
// as the product's price.
#pragma once

// Qt
#include <QString>

namespace vendara {

class PriceBox
{
public:
    // `text` in the "currency" form when it reads as a number (plain, grouped or already a
    // currency amount); any other text unchanged.
    [[nodiscard]] static QString reformat(const QString &text);
};

} // namespace vendara
