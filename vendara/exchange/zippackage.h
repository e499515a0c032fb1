// The zip container of an Office Open XML or OpenDocument file: its entries by name, read
// whole, with a bound on their unpacked size so that a damaged or hostile file cannot
// exhaust memory. (libzip: its functions do not collide with the minizip ones that the
// workbook writer brings along.)
#pragma once

// Qt
#include <QByteArray>
#include <QString>

// std
#include <optional>

struct zip;

namespace vendara {

class ZipPackage
{
public:
    // The largest entry read: far beyond any real worksheet of a catalogue.
    static constexpr qint64 kMaxEntrySize = qint64(256) * 1024 * 1024;

    explicit ZipPackage(const QString &path);
    ~ZipPackage();
    ZipPackage(const ZipPackage &) = delete;
    ZipPackage &operator=(const ZipPackage &) = delete;

    [[nodiscard]] bool isOpen() const { return mZip != nullptr; }
    // The first entry of the container, as stored.
    [[nodiscard]] QString firstEntryName() const;
    // The unpacked bytes of an entry (its name matched exactly); nothing when it is missing,
    // damaged or too large.
    [[nodiscard]] std::optional<QByteArray> read(const QString &name) const;

private:
    struct zip *mZip = nullptr;
};

} // namespace vendara
