// The texts of the price list, the product report and the printed quote, kept together so that
// tests can check them exactly.
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

// Printed and PDF pages of a document.
inline QString pageOfPages(int page, int pages)
{
    return QStringLiteral("Page %1 of %2").arg(page).arg(pages);
}

// The quote printed or saved as PDF.
inline QString printQuoteCaption()
{
    return QStringLiteral("Print Quote");
}
inline QString quoteNotPrinted(const QString &where)
{
    return QStringLiteral("The quote could not be printed on \"%1\". Check the printer, or the "
                          "folder and name of the PDF file, and try again.")
        .arg(where);
}
inline QString saveQuotePdfCaption()
{
    return QStringLiteral("Save Quote as PDF");
}
inline QString pdfFileFilter()
{
    return QStringLiteral("PDF Files (*.pdf)|*.pdf");
}
inline QString quotePdfNotSaved(const QString &file, const QString &reason)
{
    return QStringLiteral("The quote could not be saved as PDF to %1.\n\n%2").arg(file, reason);
}
inline QString pdfNotMade()
{
    return QStringLiteral("The PDF pages could not be made.");
}
inline QString quoteNotesMissing(const QString &heading, const QString &closing)
{
    return QStringLiteral("The quote document needs the quote note files %1 and %2, and one of "
                          "them could not be read.")
        .arg(heading, closing);
}

} // namespace vendara::texts
