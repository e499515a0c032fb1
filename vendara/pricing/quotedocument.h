// The quote as a document for the customer (TEXTRTF), in Times New Roman: the heading in
// bold 12 point, then per line the part number and product name in bold, the quantity and
// prices, the includes text and an empty line, then in bold the discount amount (only when
// there is a discount), the order total and the closing text. Tabs line the figures up on
// the half-inch tab stops.
#pragma once

#include "quotelist.h"
#include "quotenotes.h"
#include "richdocument.h"

// std
#include <optional>

namespace vendara {

class SettingsStore;

class QuoteDocument
{
public:
    // The document of `quote` between `heading` and `closing`; `noIncludes` leaves the
    // lines' includes texts out (each line still ends with an empty line).
    [[nodiscard]] static RichDocument build(const QuoteList &quote, const QString &heading,
                                            const QString &closing, bool noIncludes);

    // The document as the "Copy" command makes it: the note files and the setting
    // `NoIncludes` ("1" leaves the includes out). Nothing when a note file is missing or
    // cannot be read.
    [[nodiscard]] static std::optional<RichDocument>
    TEXTRTF(const QuoteList &quote, const QuoteNotes &notes, const SettingsStore &settings);

    // The setting `NoIncludes`: "1" (blanks around it do not count) leaves the includes
    // out, anything else puts them in. The document and the quote-note dialog both read it
    // here.
    [[nodiscard]] static bool noIncludes(const SettingsStore &settings);
    static void setNoIncludes(SettingsStore &settings, bool noIncludes);

    // The line of a quote line's figures: "Quantity 12\t\tPrice $10.00\t\t\tExtended Price $120.00"
    // at list price, "Quantity 12\tList: $10.00\tPrice: $9.00\tDiscount: 10.00%\tExt.: $108.00"
    // below or above it.
    [[nodiscard]] static QString figures(const QuoteList &quote, int line);
};

} // namespace vendara
