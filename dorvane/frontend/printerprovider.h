// The printer that a printout goes to, chosen through the printer dialog.
#pragma once

// Qt
#include <QString>

class QPagedPaintDevice;

namespace dorvane {

class PrinterProvider
{
public:
    virtual ~PrinterProvider() = default;

    // Shows the printer dialog; the chosen printer with `jobTitle` as its document name, or
    // nullptr when the dialog was not confirmed.
    virtual QPagedPaintDevice *choosePrinter(const QString &jobTitle) = 0;
};

} // namespace dorvane
