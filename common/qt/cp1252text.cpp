#include "cp1252text.h"

#include "common/core/cp1252.h"

// Qt
#include <QList>
#include <QStringView>

namespace common {

QString fromCp1252(QByteArrayView bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char c : bytes)
        text.append(QChar(static_cast<char16_t>(cp1252ToUnicode(static_cast<unsigned char>(c)))));
    return text;
}

QByteArray toCp1252(const QString &text, qsizetype *replaced)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    qsizetype lost = 0;
    for (const char32_t cp : text.toUcs4()) {
        if (const auto byte = unicodeToCp1252(cp)) {
            bytes.append(static_cast<char>(*byte));
        } else {
            bytes.append('?');
            ++lost;
        }
    }
    if (replaced != nullptr)
        *replaced = lost;
    return bytes;
}

QString unencodableCharacters(const QString &text)
{
    QString found;
    for (const char32_t cp : text.toUcs4()) {
        if (unicodeToCp1252(cp))
            continue;
        const QString character = QString::fromUcs4(&cp, 1);
        if (!found.contains(character))
            found += character;
    }
    return found;
}

} // namespace common
