#include "qtprinterprovider.h"

#include "common/prompt/prompter.h"

namespace dorvane::ui {

QtPrinterProvider::QtPrinterProvider(prompt::Prompter &prompter)
    : mPrompter(prompter)
    , mPrinter(QPrinter::HighResolution)
{}

QPagedPaintDevice *QtPrinterProvider::choosePrinter(const QString &jobTitle)
{
    mPrinter.setDocName(jobTitle);
    if (!mPrompter.choosePrinter(mPrinter, QString()))
        return nullptr;
    mPrinter.setDocName(jobTitle);
    return &mPrinter;
}

} // namespace dorvane::ui
