#include "savedquote.h"

#include "quotetexts.h"

#include "common/core/safefile.h"

// Qt
#include <QFile>
#include <QFileInfo>

namespace vendara {

namespace {

// No quote comes near this: 250 lines of a few hundred characters each.
constexpr qint64 kLargestFile = 32 * 1024 * 1024;

QuoteFile::Value valueOf(const Cell &cell)
{
    if (cell.isNumber())
        return QuoteFile::Value::ofNumber(cell.number());
    if (cell.isText())
        return QuoteFile::Value::ofText(cell.text().toStdString());
    return {};
}

Cell cellOf(const QuoteFile::Value &value)
{
    switch (value.kind) {
    case QuoteFile::Value::Kind::Number:
        return Cell(value.number);
    case QuoteFile::Value::Kind::Text:
        return Cell(QString::fromStdString(value.text));
    case QuoteFile::Value::Kind::Empty:
        break;
    }
    return {};
}

} // namespace

SavedQuote SavedQuote::of(const QuoteList &quote)
{
    SavedQuote saved;
    for (int k = 1; k <= quote.lineCount(); ++k)
        saved.lines.append(quote.line(k));
    saved.totals = quote.totalsTexts();
    return saved;
}

void SavedQuote::applyTo(QuoteList &quote) const
{
    quote.replace(lines, totals);
}

QByteArray SavedQuote::bytes(QuoteFile::Form form) const
{
    QuoteFile::Contents contents;
    for (const QuoteList::LineCells &cells : lines) {
        QuoteFile::Line line;
        for (std::size_t c = 0; c < line.size(); ++c)
            line[c] = valueOf(cells[c]);
        contents.lines.push_back(std::move(line));
    }
    for (std::size_t t = 0; t < totals.size(); ++t)
        contents.totals[t] = totals[t].toStdString();
    contents.file = file.toStdString();
    contents.changed = changed;
    return QByteArray::fromStdString(QuoteFile::write(contents, form));
}

std::optional<SavedQuote> SavedQuote::fromBytes(const QByteArray &bytes, QString &reason)
{
    const QuoteFile::ReadResult read =
        QuoteFile::read(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    switch (read.error) {
    case QuoteFile::Error::None:
        break;
    case QuoteFile::Error::NotAQuote:
        reason = texts::quoteFileNotAQuote();
        return std::nullopt;
    case QuoteFile::Error::NewerVersion:
        reason = texts::quoteFileNewer(read.version, QuoteFile::Version);
        return std::nullopt;
    case QuoteFile::Error::Damaged:
        reason = texts::quoteFileDamaged(read.fileLine);
        return std::nullopt;
    }
    SavedQuote saved;
    for (const QuoteFile::Line &line : read.contents.lines) {
        QuoteList::LineCells cells;
        for (std::size_t c = 0; c < cells.size(); ++c)
            cells[c] = cellOf(line[c]);
        saved.lines.append(cells);
    }
    for (std::size_t t = 0; t < saved.totals.size(); ++t)
        saved.totals[t] = QString::fromStdString(read.contents.totals[t]);
    saved.file = QString::fromStdString(read.contents.file);
    saved.changed = read.contents.changed;
    return saved;
}

SavedQuote::ReadResult SavedQuote::read(const QString &path)
{
    ReadResult result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.missing = !QFileInfo::exists(path);
        result.reason = texts::quoteFileUnreadable(file.errorString());
        return result;
    }
    if (file.size() > kLargestFile) {
        result.reason = texts::quoteFileNotAQuote();
        return result;
    }
    const QByteArray bytes = file.read(kLargestFile + 1);
    if (file.error() != QFileDevice::NoError) {
        result.reason = texts::quoteFileUnreadable(file.errorString());
        return result;
    }
    if (bytes.size() > kLargestFile) {
        result.reason = texts::quoteFileNotAQuote();
        return result;
    }
    result.quote = fromBytes(bytes, result.reason);
    return result;
}

common::Status SavedQuote::write(const QString &path, QuoteFile::Form form) const
{
    const QByteArray content = bytes(form);
    const common::Status written =
        common::replaceFile(QFile::encodeName(path).toStdString(),
                            std::string_view(content.constData(), std::size_t(content.size())));
    if (written.ok())
        return written;
    return common::Status::failure(QString::fromLocal8Bit(written.message().c_str()).toStdString());
}

} // namespace vendara
