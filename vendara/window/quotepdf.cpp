#include "quotepdf.h"

#include "documentpages.h"
#include "printingtexts.h"

#include "common/core/safefile.h"
#include "vendara/pricing/quotedocument.h"

// Qt
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QPdfWriter>

namespace vendara {

common::Status QuotePdf::write(const RichDocument &document, const QString &path,
                               const QString &title)
{
    // Made in memory first, so that the file is replaced only by a whole PDF.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setTitle(title);
        pdf.setCreator(QStringLiteral("Vendara"));
        pdf.setResolution(1200);
        DocumentPages::setUpPage(pdf);
        if (DocumentPages(document).print(pdf) == 0)
            return common::Status::failure(texts::pdfNotMade().toStdString());
    }
    const QByteArray &bytes = buffer.data();
    const common::Status written =
        common::replaceFile(QFile::encodeName(path).toStdString(),
                            std::string_view(bytes.constData(), std::size_t(bytes.size())));
    if (written.ok())
        return written;
    return common::Status::failure(QString::fromLocal8Bit(written.message().c_str()).toStdString());
}

common::Status QuotePdf::save(const QuoteList &quote, const QuoteNotes &notes,
                              const SettingsStore &settings, const QString &path,
                              const QString &title)
{
    const std::optional<RichDocument> document = QuoteDocument::TEXTRTF(quote, notes, settings);
    if (!document) {
        return common::Status::failure(
            texts::quoteNotesMissing(QuoteNotes::headingFileName(), QuoteNotes::closingFileName())
                .toStdString());
    }
    const common::Status written = write(*document, path, title);
    if (written.ok())
        return written;
    return common::Status::failure(
        texts::quotePdfNotSaved(QDir::toNativeSeparators(path),
                                QString::fromStdString(written.message()))
            .toStdString());
}

} // namespace vendara
