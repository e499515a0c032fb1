#include "registryfile.h"

#include "common/core/safefile.h"
#include "common/qt/cp1252text.h"

// Qt
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QStringEncoder>

namespace registry {

namespace {

const QString kHeader5 = QStringLiteral("Windows Registry Editor Version 5.00");
const QString kHeader4 = QStringLiteral("REGEDIT4");

bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// `key` is `ancestor` or lies below it.
bool isAtOrBelow(const QString &key, const QString &ancestor)
{
    if (key.size() == ancestor.size())
        return sameName(key, ancestor);
    return key.size() > ancestor.size() && key.at(ancestor.size()) == QLatin1Char('\\')
           && sameName(key.left(ancestor.size()), ancestor);
}

QString normalizedKey(const QString &key)
{
    QString k = key.trimmed();
    while (k.endsWith(QLatin1Char('\\')))
        k.chop(1);
    return k;
}

// Reads a quoted text starting at `pos` (on the opening quote); returns the position after
// the closing quote, or -1 when the text is not closed.
qsizetype readQuoted(const QString &line, qsizetype pos, QString *out)
{
    out->clear();
    for (qsizetype i = pos + 1; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (c == QLatin1Char('\\') && i + 1 < line.size()) {
            out->append(line.at(++i));
        } else if (c == QLatin1Char('"')) {
            return i + 1;
        } else {
            out->append(c);
        }
    }
    return -1;
}

QString escaped(const QString &text)
{
    QString out;
    out.reserve(text.size() + 2);
    for (const QChar c : text) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('"'))
            out.append(QLatin1Char('\\'));
        out.append(c);
    }
    return out;
}

} // namespace

QString defaultRegistryPath()
{
    const QString named = qEnvironmentVariable("VENDARA_REGISTRY");
    if (!named.isEmpty())
        return named;
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + QStringLiteral("/vendara/registry.reg");
}

QString RegistryFile::header()
{
    return kHeader5 + QStringLiteral("\r\n\r\n");
}

QString RegistryFile::stringLine(const QString &name, const QString &text)
{
    return QLatin1Char('"') + escaped(name) + QStringLiteral("\"=\"") + escaped(text)
           + QLatin1Char('"');
}

QString RegistryFile::dwordLine(const QString &name, quint32 number)
{
    return QLatin1Char('"') + escaped(name) + QStringLiteral("\"=dword:")
           + QStringLiteral("%1").arg(number, 8, 16, QLatin1Char('0'));
}

common::Status RegistryFile::load(const QString &path)
{
    mPath = path;
    mLines.clear();
    mSections.clear();
    mLoaded = false;
    mEncoding = Encoding::Utf8;
    mLineEnd = QStringLiteral("\r\n");

    QFile file(path);
    if (!file.exists()) {
        mLoaded = true;
        return common::Status::success();
    }
    if (!file.open(QIODevice::ReadOnly)) {
        return common::Status::failure(QStringLiteral("Cannot read the registry file %1: %2")
                                           .arg(path, file.errorString())
                                           .toStdString());
    }
    return fromBytes(file.readAll());
}

common::Status RegistryFile::fromBytes(const QByteArray &bytes)
{
    const QString &path = mPath;
    QString text;
    if (bytes.startsWith("\xFF\xFE")) {
        mEncoding = Encoding::Utf16Le;
        QStringDecoder decoder(QStringDecoder::Utf16LE);
        text = decoder(bytes.mid(2));
    } else if (bytes.startsWith("\xEF\xBB\xBF")) {
        mEncoding = Encoding::Utf8Bom;
        text = QString::fromUtf8(bytes.mid(3));
    } else {
        QStringDecoder decoder(QStringDecoder::Utf8);
        text = decoder(bytes);
        if (decoder.hasError()) {
            // A REGEDIT4 file written on Windows holds single-byte text.
            mEncoding = Encoding::Cp1252;
            text = common::fromCp1252(bytes);
        }
    }
    if (!text.contains(QLatin1Char('\n')) || text.contains(QStringLiteral("\r\n")))
        mLineEnd = QStringLiteral("\r\n");
    else
        mLineEnd = QStringLiteral("\n");
    QStringList lines = text.split(QLatin1Char('\n'));
    // The CR of each CR LF; a CR at the very end of a file cut short stays, as it is written
    // back without a line end.
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        if (lines[i].endsWith(QLatin1Char('\r')))
            lines[i].chop(1);
    }
    const QString first = lines.isEmpty() ? QString() : lines.constFirst().trimmed();
    if (first != kHeader5 && first != kHeader4) {
        return common::Status::failure(
            QStringLiteral("%1 is not a registry file: its first line must be \"%2\" or \"%3\".")
                .arg(path, kHeader5, kHeader4)
                .toStdString());
    }
    mLines = lines;
    mLoaded = true;
    parse();
    return common::Status::success();
}

void RegistryFile::parse()
{
    mSections.clear();
    Section *current = nullptr;
    for (int i = 1; i < mLines.size(); ++i) {
        const QString line = mLines.at(i).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            Section section;
            QString key = line.mid(1, line.size() - 2);
            if (key.startsWith(QLatin1Char('-'))) {
                section.deleted = true;
                key.remove(0, 1);
            }
            section.key = normalizedKey(key);
            section.headerLine = i;
            section.lastLine = i;
            mSections.push_back(section);
            current = &mSections.back();
            continue;
        }
        if (current == nullptr)
            continue;
        ValueEntry entry;
        entry.firstLine = i;
        qsizetype pos = 0;
        if (line.startsWith(QLatin1Char('@'))) {
            pos = 1;
        } else if (line.startsWith(QLatin1Char('"'))) {
            pos = readQuoted(line, 0, &entry.name);
            if (pos < 0)
                continue;
        } else {
            continue;
        }
        while (pos < line.size() && line.at(pos).isSpace())
            ++pos;
        if (pos >= line.size() || line.at(pos) != QLatin1Char('='))
            continue;
        QString data = line.mid(pos + 1).trimmed();
        // Binary values continue on the next lines after a trailing backslash.
        int last = i;
        while (data.endsWith(QLatin1Char('\\')) && last + 1 < mLines.size()) {
            data.chop(1);
            data += mLines.at(++last).trimmed();
        }
        entry.lastLine = last;
        i = last;
        if (data == QLatin1String("-")) {
            entry.deleted = true;
        } else if (data.startsWith(QLatin1Char('"'))) {
            entry.value.type = RegistryValue::Type::String;
            if (readQuoted(data, 0, &entry.value.text) < 0)
                continue;
        } else if (data.startsWith(QLatin1String("dword:"), Qt::CaseInsensitive)) {
            bool ok = false;
            const quint32 number = data.mid(6).trimmed().toUInt(&ok, 16);
            if (!ok)
                continue;
            entry.value.type = RegistryValue::Type::Dword;
            entry.value.number = number;
        } else {
            entry.value.type = RegistryValue::Type::Other;
            entry.value.text = data;
        }
        current->values.push_back(entry);
        current->lastLine = last;
    }
}

bool RegistryFile::keyExists(const QString &key) const
{
    const QString wanted = normalizedKey(key);
    if (wanted.isEmpty())
        return false;
    bool exists = false;
    for (const Section &section : mSections) {
        if (section.deleted) {
            if (isAtOrBelow(wanted, section.key))
                exists = false;
        } else if (isAtOrBelow(section.key, wanted)) {
            exists = true;
        }
    }
    return exists;
}

const RegistryFile::ValueEntry *RegistryFile::findValue(const QString &key,
                                                        const QString &name) const
{
    const QString wanted = normalizedKey(key);
    const ValueEntry *found = nullptr;
    for (const Section &section : mSections) {
        if (section.deleted) {
            if (isAtOrBelow(wanted, section.key))
                found = nullptr;
            continue;
        }
        if (!sameName(section.key, wanted))
            continue;
        for (const ValueEntry &entry : section.values) {
            if (sameName(entry.name, name))
                found = entry.deleted ? nullptr : &entry;
        }
    }
    return found;
}

std::optional<RegistryValue> RegistryFile::value(const QString &key, const QString &name) const
{
    if (const ValueEntry *entry = findValue(key, name))
        return entry->value;
    return std::nullopt;
}

std::optional<QString> RegistryFile::stringValue(const QString &key, const QString &name) const
{
    const auto v = value(key, name);
    if (!v || v->type != RegistryValue::Type::String)
        return std::nullopt;
    return v->text;
}

std::optional<quint32> RegistryFile::dwordValue(const QString &key, const QString &name) const
{
    const auto v = value(key, name);
    if (!v || v->type != RegistryValue::Type::Dword)
        return std::nullopt;
    return v->number;
}

common::Status RegistryFile::setDword(const QString &key, const QString &name, quint32 number)
{
    return setLine(key, name, dwordLine(name, number));
}

common::Status RegistryFile::setString(const QString &key, const QString &name, const QString &text)
{
    return setLine(key, name, stringLine(name, text));
}

common::Status RegistryFile::setLine(const QString &key, const QString &name, const QString &line)
{
    if (!mLoaded || mPath.isEmpty())
        return common::Status::failure(
            "The registry file could not be read, so it is not written.");
    if (!keyExists(key)) {
        return common::Status::failure(
            QStringLiteral("The registry key %1 does not exist.").arg(key).toStdString());
    }
    const QStringList before = mLines;
    const QString wanted = normalizedKey(key);
    if (const ValueEntry *entry = findValue(wanted, name)) {
        const int first = entry->firstLine;
        const int count = entry->lastLine - entry->firstLine + 1;
        mLines.remove(first, count);
        mLines.insert(first, line);
    } else {
        // The last section of the key after any deletion of it takes the new value.
        const Section *target = nullptr;
        for (const Section &section : mSections) {
            if (section.deleted && isAtOrBelow(wanted, section.key))
                target = nullptr;
            else if (!section.deleted && sameName(section.key, wanted))
                target = &section;
        }
        if (target != nullptr) {
            // A value line that ends in a backslash continues on the next line; one at the end
            // of a cut-off file would swallow the new line. A blank line ends it as the end of
            // the file did.
            int at = target->lastLine + 1;
            if (mLines.at(target->lastLine).trimmed().endsWith(QLatin1Char('\\')))
                mLines.insert(at++, QString());
            mLines.insert(at, line);
        } else {
            // The key exists only as the parent of another key: give it a section of its own.
            qsizetype at = mLines.size();
            while (at > 1 && mLines.at(at - 1).trimmed().isEmpty())
                --at;
            mLines.insert(at, QString());
            mLines.insert(at + 1, QLatin1Char('[') + wanted + QLatin1Char(']'));
            mLines.insert(at + 2, line);
            if (at + 3 >= mLines.size())
                mLines.append(QString());
        }
    }
    // What is written must read back as set, as the next reader of the file sees it (a
    // line break in the text, a character the file's encoding cannot hold); anything else is
    // refused before the file is touched.
    RegistryFile reread;
    reread.mPath = mPath;
    const std::optional<RegistryValue> readBack =
        reread.fromBytes(serialize()).ok() ? reread.value(wanted, name) : std::nullopt;
    const std::optional<RegistryValue> wantedValue = valueOfLine(line);
    if (!readBack || !wantedValue || readBack->type != wantedValue->type
        || readBack->text != wantedValue->text || readBack->number != wantedValue->number) {
        mLines = before;
        parse();
        return common::Status::failure(
            QStringLiteral("The value %1 of the registry key %2 cannot be set in %3: the file "
                           "would not read back as set.")
                .arg(name, key, mPath)
                .toStdString());
    }
    const common::Status written = write();
    // The lines as a reader of the file sees them; the file keeps its encoding and line ends.
    mLines = written.ok() ? reread.mLines : before;
    parse();
    return written;
}

std::optional<RegistryValue> RegistryFile::valueOfLine(const QString &line)
{
    RegistryFile single;
    single.mLines = {kHeader5, QStringLiteral("[K]"), line};
    single.parse();
    if (single.mSections.empty() || single.mSections.front().values.empty())
        return std::nullopt;
    return single.mSections.front().values.front().value;
}

QByteArray RegistryFile::serialize() const
{
    const QString text = mLines.join(mLineEnd);
    switch (mEncoding) {
    case Encoding::Utf16Le: {
        QStringEncoder encoder(QStringEncoder::Utf16LE);
        return QByteArray("\xFF\xFE", 2) + QByteArray(encoder(text));
    }
    case Encoding::Utf8Bom:
        return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
    case Encoding::Cp1252:
        return common::toCp1252(text);
    case Encoding::Utf8:
        break;
    }
    return text.toUtf8();
}

common::Status RegistryFile::write()
{
    const QByteArray bytes = serialize();
    // The desktop software's settings are the user's own: a new file is not for others.
    return common::replaceFile(std::filesystem::path(QFile::encodeName(mPath).toStdString()),
                               std::string_view(bytes.constData(), size_t(bytes.size())),
                               common::SafeFile::Sync::Yes, 0600);
}

} // namespace registry
