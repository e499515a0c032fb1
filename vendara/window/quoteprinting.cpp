#include "quoteprinting.h"

#include "documentpages.h"
#include "frmmain.h"
#include "printingtexts.h"
#include "printpreview.h"
#include "quotepdf.h"

#include "common/prompt/documentsfolder.h"
#include "common/prompt/prompter.h"
#include "vendara/pricing/openquote.h"
#include "vendara/pricing/quotedocument.h"
#include "vendara/pricing/quotetexts.h"
#include "vendara/store/programcontext.h"

// Qt
#include <QDir>
#include <QFileInfo>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTimer>

namespace vendara {

QuotePrinting::QuotePrinting(frmMain &window, const QuoteList &quote, const QuoteNotes &notes,
                             const OpenQuote &openQuote)
    : mWindow(window)
    , mQuote(quote)
    , mNotes(notes)
    , mOpenQuote(openQuote)
{}

QString QuotePrinting::documentName() const
{
    if (mOpenQuote.file().isEmpty())
        return QStringLiteral("Quote");
    return QFileInfo(mOpenQuote.file()).completeBaseName();
}

std::optional<RichDocument> QuotePrinting::document() const
{
    return QuoteDocument::TEXTRTF(mQuote, mNotes, mWindow.context().settings());
}

void QuotePrinting::print()
{
    const std::optional<RichDocument> quote = document();
    if (!quote)
        return;
    const DocumentPages pages(*quote);
    PrintPreview preview(
        documentName(), [&](QPagedPaintDevice &device) { return pages.print(device); },
        [&](QPrinter &printer) { return chooseAndPrint(printer, pages); }, &mWindow);
    DocumentPages::setUpPage(preview.printer());
    preview.view()->updatePreview();
    if (mPreviewShown) {
        QTimer::singleShot(0, &preview, [&] {
            if (mPreviewShown)
                mPreviewShown(preview);
        });
    }
    preview.exec();
}

bool QuotePrinting::chooseAndPrint(QPrinter &printer, const DocumentPages &pages)
{
    prompt::Prompter &prompter = mWindow.context().prompter();
    if (!prompter.choosePrinter(printer, texts::printQuoteCaption()))
        return false;
    if (pages.print(printer) > 0)
        return true;
    const QString where = printer.outputFormat() == QPrinter::PdfFormat
                              ? QDir::toNativeSeparators(printer.outputFileName())
                              : printer.printerName();
    prompter.message(texts::quoteNotPrinted(where), texts::printQuoteCaption(), prompt::Buttons::Ok,
                     prompt::Icon::Exclamation);
    return false;
}

void QuotePrinting::savePdf()
{
    const std::optional<RichDocument> quote = document();
    if (!quote)
        return;
    prompt::Prompter &prompter = mWindow.context().prompter();
    const QString folder = mOpenQuote.file().isEmpty()
                               ? prompt::documentsFolder()
                               : QFileInfo(mOpenQuote.file()).absolutePath();
    prompt::FileRequest request;
    request.mode = prompt::FileRequest::Mode::Save;
    request.title = texts::saveQuotePdfCaption();
    request.filter = texts::pdfFileFilter();
    request.defaultExtension = QStringLiteral("pdf");
    request.fileName = QDir(folder).filePath(documentName() + QStringLiteral(".pdf"));
    const prompt::FileAnswer answer = prompter.file(request);
    if (answer.cancelled())
        return;
    QString path = answer.path;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".pdf");
    if (QFileInfo::exists(path)
        && prompter.message(texts::replaceExistingFile(QDir::toNativeSeparators(path)),
                            texts::saveQuotePdfCaption(), prompt::Buttons::YesNo,
                            prompt::Icon::Exclamation)
               != prompt::Answer::Yes)
        return;
    const common::Status written = QuotePdf::write(*quote, path, documentName());
    if (!written.ok()) {
        prompter.message(texts::quotePdfNotSaved(QDir::toNativeSeparators(path),
                                                 QString::fromStdString(written.message())),
                         texts::saveQuotePdfCaption(), prompt::Buttons::Ok,
                         prompt::Icon::Exclamation);
    }
}

} // namespace vendara
