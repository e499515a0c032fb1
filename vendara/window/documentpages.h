// A formatted document (RichDocument) laid out on pages, for a printer, a PDF file or the
// print preview: the text inside the page's margins as Qt's text layout breaks it into lines
// and pages (a line is never cut between two pages, and lines between two empty lines stay
// on one page where they fit), and "Page N of M" centred at the foot of every page.
#pragma once

#include "vendara/pricing/richdocument.h"

class QPagedPaintDevice;

namespace vendara {

class DocumentPages
{
public:
    explicit DocumentPages(RichDocument document);

    // The page a document is printed on by default: A4, or Letter where the user's locale
    // measures in inches, upright, with margins of 20 mm.
    static void setUpPage(QPagedPaintDevice &device);

    // Paints every page on `device`. The number of pages painted; 0 when the device cannot
    // be painted on (a PDF file that cannot be written, a printer that went away).
    int print(QPagedPaintDevice &device) const;

private:
    RichDocument mDocument;
};

} // namespace vendara
