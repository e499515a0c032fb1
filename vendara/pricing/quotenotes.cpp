#include "quotenotes.h"

#include "quotetexts.h"

#include "common/core/safefile.h"
#include "common/qt/cp1252text.h"
#include "vendara/store/linebreaks.h"

// Qt
#include <QDir>
#include <QFile>

namespace vendara {

QuoteNotes::QuoteNotes(ProgramFolder folder)
    : mFolder(std::move(folder))
{}

std::optional<QString> QuoteNotes::heading() const
{
    return read(headingFileName());
}

std::optional<QString> QuoteNotes::closing() const
{
    return read(closingFileName());
}

std::optional<QString> QuoteNotes::read(const QString &name) const
{
    QString path = mFolder.writableFile(name);
    if (!QFile::exists(path))
        path = mFolder.programFile(name);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return toDisplayLineBreaks(common::fromCp1252(bytes));
}

common::Status QuoteNotes::write(const QString &name, const QString &text) const
{
    const QString path = mFolder.writableFile(name);
    const QByteArray bytes = common::toCp1252(toTableLineBreaks(text));
    const common::Status written =
        common::replaceFile(QFile::encodeName(path).toStdString(),
                            std::string_view(bytes.constData(), std::size_t(bytes.size())));
    if (written.ok())
        return written;
    return common::Status::failure(
        texts::quoteNoteNotSaved(QDir::toNativeSeparators(path),
                                 QString::fromLocal8Bit(written.message().c_str()))
            .toStdString());
}

common::Status QuoteNotes::save(const QString &heading, const QString &closing) const
{
    if (common::Status written = write(closingFileName(), closing); !written.ok())
        return written;
    return write(headingFileName(), heading);
}

} // namespace vendara
