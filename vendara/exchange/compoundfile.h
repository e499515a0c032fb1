// The compound document container of Excel 97-2003 workbooks (and other older Office files):
// a file of fixed-size sectors holding a small file system of named streams. Only reading
// a stream by name is needed here; every chain is checked so that a damaged file cannot
// loop or read outside the file.
#pragma once

// Qt
#include <QByteArray>
#include <QString>

// std
#include <optional>
#include <vector>

namespace vendara {

class CompoundFile
{
public:
    // Nothing when the bytes are not a compound document.
    [[nodiscard]] static std::optional<CompoundFile> parse(QByteArray bytes);

    // The stream of that name anywhere in the directory (letter case ignored, as the
    // container's own rule is); nothing when there is none or it cannot be read.
    [[nodiscard]] std::optional<QByteArray> stream(const QString &name) const;

private:
    struct Entry
    {
        QString name;
        int type = 0; // 1 storage, 2 stream, 5 root
        quint32 start = 0;
        quint64 size = 0;
    };

    [[nodiscard]] std::optional<QByteArray> chain(quint32 start, quint64 size) const;
    [[nodiscard]] std::optional<QByteArray> miniChain(quint32 start, quint64 size) const;

    QByteArray mBytes;
    int mSectorSize = 512;
    int mMiniSectorSize = 64;
    quint32 mMiniCutoff = 4096;
    std::vector<quint32> mFat;
    std::vector<quint32> mMiniFat;
    std::vector<Entry> mEntries;
    QByteArray mMiniStream;
};

} // namespace vendara
