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

// Keeping the open quote between runs ("quote.dat").
inline QString quoteNotRestored(const QString &file, const QString &reason, const QString &keptAs)
{
    return QStringLiteral("The last quote could not be restored from %1. %2\n\nThe quote starts "
                          "empty; the file was kept as %3.")
        .arg(file, reason, keptAs);
}
inline QString quoteNotRestoredLeft(const QString &file, const QString &reason)
{
    return QStringLiteral("The last quote could not be restored from %1. %2\n\nThe quote starts "
                          "empty; the file could not be renamed and was left as it is.")
        .arg(file, reason);
}
inline QString quoteNotKept(const QString &file, const QString &reason)
{
    return QStringLiteral("The open quote could not be kept in %1.\n\n%2\n\nIt will be lost "
                          "when Vendara ends unless you save it with \"Save Quote As\".")
        .arg(file, reason);
}

// Why a quote file cannot be read.
inline QString quoteFileNotAQuote()
{
    return QStringLiteral("It is not a Vendara quote.");
}
inline QString quoteFileNewer(int version, int readable)
{
    return QStringLiteral("It was saved by a newer version of Vendara (quote file version %1); "
                          "this version reads quote files up to version %2.")
        .arg(version)
        .arg(readable);
}
inline QString quoteFileDamaged(int line)
{
    return QStringLiteral("It is damaged: line %1 is not as Vendara writes it.").arg(line);
}
inline QString quoteFileUnreadable(const QString &reason)
{
    return QStringLiteral("It could not be read (%1).").arg(reason);
}

// Saving, opening and starting quotes.
inline QString quoteFileFilter()
{
    return QStringLiteral("Quotes (*.vquote)|*.vquote");
}
inline QString quoteExtension()
{
    return QStringLiteral("vquote");
}
inline QString saveQuoteAsCaption()
{
    return QStringLiteral("Save Quote As");
}
inline QString openQuoteCaption()
{
    return QStringLiteral("Open Quote");
}
inline QString newQuoteCaption()
{
    return QStringLiteral("New Quote");
}
inline QString replaceUnsavedQuote(int lines)
{
    return QStringLiteral("Replace the open quote? Its %1 lines have not been saved.").arg(lines);
}
inline QString replaceExistingFile(const QString &file)
{
    return QStringLiteral("%1 already exists.\nDo you want to replace it?").arg(file);
}
inline QString quoteNotSaved(const QString &file, const QString &reason)
{
    return QStringLiteral("The quote could not be saved to %1.\n\n%2").arg(file, reason);
}
inline QString quoteNotOpened(const QString &file, const QString &reason)
{
    return QStringLiteral("The quote could not be opened from %1.\n\n%2\n\nThe open quote "
                          "stays as it is.")
        .arg(file, reason);
}
// After opening: part numbers of the quote that the catalogue no longer has.
inline QString partNumbersNotInCatalogue(int count, const QString &list)
{
    if (count == 1)
        return QStringLiteral("1 part number of this quote is no longer in the catalogue: %1. "
                              "Its lines show the prices they were saved with.")
            .arg(list);
    return QStringLiteral("%1 part numbers of this quote are no longer in the catalogue: %2. "
                          "Their lines show the prices they were saved with.")
        .arg(count)
        .arg(list);
}

} // namespace vendara::texts
