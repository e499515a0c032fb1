// Building catalogue file bytes in tests: a record is its cells, each followed by three DEL
// bytes, and CR LF.
#pragma once

// Qt
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

// std
#include <initializer_list>

namespace testsupport {

inline const QByteArray kS("\x7F\x7F\x7F", 3);

// The cells given, then empty cells up to `fields` in all.
inline QByteArray record(std::initializer_list<QByteArray> cells, int fields = 15)
{
    QByteArray bytes;
    int n = 0;
    for (const QByteArray &cell : cells) {
        bytes += cell + kS;
        ++n;
    }
    for (; n < fields; ++n)
        bytes += kS;
    return bytes + "\r\n";
}

inline void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

inline QByteArray readBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray("<missing>");
    return file.readAll();
}

} // namespace testsupport
