// The texts of the quote, its discount dialogs and its note, kept together so that tests can
// check them exactly.
#pragma once

// Qt
#include <QString>

namespace vendara::texts {

// The diagnostic trace box each time the quote's totals are computed.
inline QString inQuotePrice()
{
    return QStringLiteral("In QuotePrice ");
}

// Status-bar hints.
inline QString quoteFrameHint()
{
    return QStringLiteral("Right click for quote options.");
}
inline QString quoteGridHint()
{
    return QStringLiteral("Right click on products for options.");
}

// Adding to the quote.
inline QString quoteCaption()
{
    return QStringLiteral("Quote");
}
inline QString quoteFull(int capacity)
{
    return QStringLiteral("The quote already holds %1 lines, as many as it can take. Remove a "
                          "line before adding another product.")
        .arg(capacity);
}
inline QString quoteNeedsPartNumber()
{
    return QStringLiteral("This product has no part number yet. Give it one before adding it "
                          "to the quote.");
}

// The discount dialogs.
inline QString discountCaption()
{
    return QStringLiteral("Discount");
}
inline QString applyDiscount()
{
    return QStringLiteral("Apply Discount");
}

// The quote-note dialog.
inline QString quoteNoteCaption()
{
    return QStringLiteral("Quote Note");
}
inline QString quoteHeading()
{
    return QStringLiteral("Quote Heading");
}
inline QString endOfQuote()
{
    return QStringLiteral("End of Quote");
}
inline QString doNotShowIncludes()
{
    return QStringLiteral("Do not show Includes information");
}
inline QString quoteNoteNotSaved(const QString &path, const QString &reason)
{
    return QStringLiteral("The quote note could not be saved to %1.\n\n%2").arg(path, reason);
}

} // namespace vendara::texts
