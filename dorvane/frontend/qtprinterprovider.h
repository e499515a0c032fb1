// The printer of the window's print command, chosen in the printer dialog (which offers a
// PDF file where the machine has no printer).
#pragma once

#include "printerprovider.h"

// Qt
#include <QPrinter>

namespace prompt {
class Prompter;
}

namespace dorvane::ui {

class QtPrinterProvider : public PrinterProvider
{
public:
    explicit QtPrinterProvider(prompt::Prompter &prompter);

    QPagedPaintDevice *choosePrinter(const QString &jobTitle) override;

    [[nodiscard]] QPrinter &printer() { return mPrinter; }

private:
    prompt::Prompter &mPrompter;
    QPrinter mPrinter;
};

} // namespace dorvane::ui
