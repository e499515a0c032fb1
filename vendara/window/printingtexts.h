// The texts of the price list and the product report, kept together so that tests can check
// them exactly.
#pragma once

// Qt
#include <QString>

namespace vendara::texts {

inline QString printPriceListCaption()
{
    return QStringLiteral("Print Price List");
}
inline QString priceListNotPrinted(const QString &where)
{
    return QStringLiteral("The price list could not be printed on \"%1\". Check the printer, "
                          "or the folder and name of the PDF file, and try again.")
        .arg(where);
}

} // namespace vendara::texts
