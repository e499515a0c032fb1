// Prints the price list page by page on a printer, a PDF file or a preview: the page header
// on top of every page, the column headings "Part Number", "Product Name" and "Price" under
// it, then the rows in their order (a long product name wraps inside its column), and the
// footer at the bottom. Part numbers and prices take the width they need; the product name
// takes the rest of the page.
#pragma once

#include "pricelist.h"

// Qt
#include <QList>
#include <QString>

class QPagedPaintDevice;

namespace vendara {

class PriceListPrinter
{
public:
    PriceListPrinter(QList<PriceListRow> rows, QString header = PriceList::pageHeader(),
                     QString footer = PriceList::pageFooter());

    // Paints every page on `device`. The number of pages printed; 0 when the device cannot be
    // painted on (a PDF file that cannot be written, a printer that went away).
    int print(QPagedPaintDevice &device) const;

private:
    QList<PriceListRow> mRows;
    QString mHeader;
    QString mFooter;
};

} // namespace vendara
