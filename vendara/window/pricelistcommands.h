// Printing the price list from the main window: "Print Price List" prints it on the printer
// (or PDF file) chosen in the printer dialog, "Setup" shows it in the print preview, from
// which it can be printed too. Both show the grid's "Price" column and a narrow "Product
// Name" while the list is made, and leave the grid with "Price" hidden and "Product Name"
// 5000 twips wide.
#pragma once

#include "pricelist.h"

// Qt
#include <QObject>

// std
#include <functional>

class QPrinter;

namespace vendara {

class PrintPreview;
class frmMain;

class PriceListCommands : public QObject
{
    Q_OBJECT

public:
    static constexpr double kPrintingNameWidth = 1500; // twips
    static constexpr double kNameWidthAfter = 5000;    // twips

    // Installs "mnuPrint" and "mnuPreview" on a loaded window; the window owns the result.
    static PriceListCommands *install(frmMain &window);

    void print();
    void preview();

    // Called with the preview while it is open (tests look at it and close it).
    void setPreviewShown(std::function<void(PrintPreview &)> shown)
    {
        mPreviewShown = std::move(shown);
    }

private:
    explicit PriceListCommands(frmMain &window);

    void beginPrinting();
    void endPrinting();
    // The printer dialog, then the pages; a failure is reported. True when printed.
    bool chooseAndPrint(QPrinter &printer, const QList<PriceListRow> &rows);

    frmMain &mWindow;
    std::function<void(PrintPreview &)> mPreviewShown;
};

} // namespace vendara
