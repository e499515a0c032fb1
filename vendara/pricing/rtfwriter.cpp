#include "rtfwriter.h"

#include "common/core/cp1252.h"

namespace vendara {

namespace {

// The family keyword of the font table: word processors use it to substitute a similar font
// where the named one is not installed.
QByteArray familyKeyword(const QString &font)
{
    static const QStringList roman = {QStringLiteral("Times New Roman"), QStringLiteral("Times"),
                                      QStringLiteral("Georgia"), QStringLiteral("Garamond")};
    static const QStringList swiss = {QStringLiteral("Arial"), QStringLiteral("Helvetica"),
                                      QStringLiteral("Verdana"), QStringLiteral("Tahoma")};
    static const QStringList modern = {QStringLiteral("Courier New"), QStringLiteral("Courier")};
    if (roman.contains(font, Qt::CaseInsensitive))
        return "\\froman";
    if (swiss.contains(font, Qt::CaseInsensitive))
        return "\\fswiss";
    if (modern.contains(font, Qt::CaseInsensitive))
        return "\\fmodern";
    return "\\fnil";
}

void appendHexByte(QByteArray &out, unsigned char byte)
{
    static const char digits[] = "0123456789abcdef";
    out += "\\'";
    out += digits[byte >> 4];
    out += digits[byte & 0x0F];
}

} // namespace

QByteArray RtfWriter::escape(const QString &text)
{
    QByteArray out;
    out.reserve(text.size() + 16);
    for (const char32_t cp : text.toUcs4()) {
        switch (cp) {
        case U'\\':
            out += "\\\\";
            continue;
        case U'{':
            out += "\\{";
            continue;
        case U'}':
            out += "\\}";
            continue;
        case U'\t':
            out += "\\tab ";
            continue;
        case U'\n':
            out += "\\par\n";
            continue;
        default:
            break;
        }
        if (cp < 0x20 || (cp >= 0x7F && cp < 0xA0))
            continue; // other control characters have no place in a document
        if (cp < 0x80) {
            out += char(cp);
            continue;
        }
        if (const auto byte = common::unicodeToCp1252(cp); byte && *byte >= 0x80) {
            appendHexByte(out, *byte);
            continue;
        }
        // \u takes a signed 16-bit number; characters beyond the first plane go as their two
        // UTF-16 halves, each with its own "?" for readers without Unicode.
        const QString units = QString::fromUcs4(&cp, 1);
        for (const QChar unit : units)
            out += "\\u" + QByteArray::number(qint16(unit.unicode())) + '?';
    }
    return out;
}

QByteArray RtfWriter::write(const RichDocument &document)
{
    QByteArray out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deftab720";
    out += "{\\fonttbl{\\f0" + familyKeyword(document.fontFamily()) + "\\fcharset0 "
           + escape(document.fontFamily()) + ";}}\n";
    out += "\\viewkind4\\uc1\\pard\\plain\\f0";
    bool bold = false;
    int halfPoints = 0;
    for (const TextRun &run : document.runs()) {
        QByteArray controls;
        if (run.style.bold != bold) {
            bold = run.style.bold;
            controls += bold ? "\\b" : "\\b0";
        }
        const int wanted = run.style.pointSize * 2;
        if (wanted != halfPoints) {
            halfPoints = wanted;
            controls += "\\fs" + QByteArray::number(halfPoints);
        }
        if (!controls.isEmpty())
            out += controls + ' ';
        out += escape(run.text);
    }
    out += "}\n";
    return out;
}

} // namespace vendara
