// Building catalogue file bytes in tests: a record is its cells, each followed by three DEL
// bytes, and CR LF.
#pragma once

// Qt
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

// POSIX
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

// std
#include <cstring>
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

// Leaves at `path` a file that is there but that nobody can open for reading, not even
// root (who reads files of mode 000): a local socket. True when it was made.
inline bool makeUnopenableFile(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    sockaddr_un address{};
    if (name.size() >= qsizetype(sizeof(address.sun_path)))
        return false;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, name.constData(), std::size_t(name.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (fd < 0)
        return false;
    const bool bound =
        ::bind(fd, reinterpret_cast<const sockaddr *>(&address), sizeof(address)) == 0;
    ::close(fd);
    return bound;
}

} // namespace testsupport
