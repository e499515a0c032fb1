// "&Print Quote..." and "Save Quote as P&DF..." of the quote menu: the quote document, as
// "&Copy" makes it, on pages. Printing shows the pages in the print preview, from which the
// printer dialog prints them; the PDF is written to the file chosen in a save dialog. Like
// "&Copy", both stop silently when a note file is missing.
#pragma once

#include "vendara/pricing/richdocument.h"

// Qt
#include <QString>

// std
#include <functional>
#include <optional>

class QPrinter;

namespace vendara {

class DocumentPages;
class OpenQuote;
class PrintPreview;
class QuoteList;
class QuoteNotes;
class frmMain;

class QuotePrinting
{
public:
    QuotePrinting(frmMain &window, const QuoteList &quote, const QuoteNotes &notes,
                  const OpenQuote &openQuote);

    void print();
    void savePdf();

    // The name the pages go by: the quote file's name without its extension, or "Quote".
    [[nodiscard]] QString documentName() const;

    // Called with the preview while it is open (tests look at it and close it).
    void setPreviewShown(std::function<void(PrintPreview &)> shown)
    {
        mPreviewShown = std::move(shown);
    }

private:
    [[nodiscard]] std::optional<RichDocument> document() const;
    // The printer dialog, then the pages; a failure is reported. True when printed.
    bool chooseAndPrint(QPrinter &printer, const DocumentPages &pages);

    frmMain &mWindow;
    const QuoteList &mQuote;
    const QuoteNotes &mNotes;
    const OpenQuote &mOpenQuote;
    std::function<void(PrintPreview &)> mPreviewShown;
};

} // namespace vendara
