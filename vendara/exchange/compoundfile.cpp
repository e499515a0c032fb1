#include "compoundfile.h"

// Qt
#include <QtEndian>

// std
#include <algorithm>

namespace vendara {

namespace {

constexpr quint32 kEndOfChain = 0xFFFFFFFE;
constexpr quint32 kLastRegularSector = 0xFFFFFFFA;

quint16 u16(const QByteArray &bytes, qsizetype at)
{
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

quint32 u32(const QByteArray &bytes, qsizetype at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

} // namespace

std::optional<CompoundFile> CompoundFile::parse(QByteArray bytes)
{
    static const QByteArray signature("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
    if (bytes.size() < 512 || !bytes.startsWith(signature))
        return std::nullopt;
    CompoundFile file;
    file.mBytes = std::move(bytes);
    const QByteArray &b = file.mBytes;
    const int sectorShift = u16(b, 0x1E);
    const int miniShift = u16(b, 0x20);
    if ((sectorShift != 9 && sectorShift != 12) || miniShift < 4 || miniShift > sectorShift)
        return std::nullopt;
    file.mSectorSize = 1 << sectorShift;
    file.mMiniSectorSize = 1 << miniShift;
    file.mMiniCutoff = u32(b, 0x38);
    const quint32 fatSectors = u32(b, 0x2C);
    const quint32 firstDirectory = u32(b, 0x30);
    const quint32 firstMiniFat = u32(b, 0x3C);
    const quint32 miniFatSectors = u32(b, 0x40);
    quint32 nextDifat = u32(b, 0x44);
    const quint32 difatSectors = u32(b, 0x48);

    const qint64 sectorCount = (b.size() - file.mSectorSize) / file.mSectorSize + 1;
    auto sectorOffset = [&](quint32 sector) -> qint64 {
        if (sector > kLastRegularSector || qint64(sector) >= sectorCount)
            return -1;
        const qint64 offset = qint64(sector + 1) * file.mSectorSize;
        return offset + file.mSectorSize <= b.size() ? offset : -1;
    };

    // The sectors of the allocation table: 109 in the header, the rest in a chain of DIFAT
    // sectors. No table can need more sectors than the file has, no sector is named twice
    // (the table would repeat itself and every chain through it grow without end), and the
    // DIFAT chain visits each sector once: a sector that names itself as the next one ends in
    // a refusal instead of four billion rounds.
    if (fatSectors > quint64(sectorCount))
        return std::nullopt;
    std::vector<bool> used(std::size_t(sectorCount), false);
    std::vector<quint32> fatList;
    auto addFatSector = [&](quint32 sector) {
        if (sector > kLastRegularSector || fatList.size() >= fatSectors)
            return true;
        if (sector >= used.size() || used[sector])
            return false;
        used[sector] = true;
        fatList.push_back(sector);
        return true;
    };
    for (int i = 0; i < 109; ++i) {
        if (!addFatSector(u32(b, 0x4C + 4 * i)))
            return std::nullopt;
    }
    const int perDifat = file.mSectorSize / 4 - 1;
    std::vector<bool> difatVisited(std::size_t(sectorCount), false);
    for (quint32 n = 0;
         n < difatSectors && nextDifat <= kLastRegularSector && fatList.size() < fatSectors; ++n) {
        const qint64 offset = sectorOffset(nextDifat);
        if (offset < 0 || difatVisited[nextDifat])
            return std::nullopt;
        difatVisited[nextDifat] = true;
        for (int i = 0; i < perDifat; ++i) {
            if (!addFatSector(u32(b, offset + 4 * i)))
                return std::nullopt;
        }
        nextDifat = u32(b, offset + 4 * perDifat);
    }
    if (fatList.size() < fatSectors)
        return std::nullopt;
    for (const quint32 sector : fatList) {
        const qint64 offset = sectorOffset(sector);
        if (offset < 0)
            return std::nullopt;
        for (int i = 0; i < file.mSectorSize / 4; ++i)
            file.mFat.push_back(u32(b, offset + 4 * i));
    }

    // The directory: 128-byte entries.
    const auto directory = file.chain(firstDirectory, ~quint64(0));
    if (!directory)
        return std::nullopt;
    for (qsizetype at = 0; at + 128 <= directory->size(); at += 128) {
        Entry entry;
        // A name holds at most 32 UTF-16 characters with its terminator; FreeXL converts the
        // names with the length given here, so a longer one is a damaged file.
        const int nameBytes = u16(*directory, at + 0x40);
        if (nameBytes > 64 || nameBytes % 2 != 0)
            return std::nullopt;
        const int chars = std::max(0, nameBytes / 2 - 1);
        entry.name = QString::fromUtf16(
            reinterpret_cast<const char16_t *>(directory->constData() + at), chars);
        entry.type = quint8(directory->at(at + 0x42));
        entry.start = u32(*directory, at + 0x74);
        entry.size = u32(*directory, at + 0x78);
        if (file.mSectorSize == 4096)
            entry.size |= quint64(u32(*directory, at + 0x7C)) << 32;
        file.mEntries.push_back(entry);
    }
    if (file.mEntries.empty() || file.mEntries.front().type != 5)
        return std::nullopt;

    // The mini stream lives in the root entry's chain; the mini allocation table in its own.
    if (miniFatSectors > 0 && firstMiniFat <= kLastRegularSector) {
        const auto miniFat = file.chain(firstMiniFat, quint64(miniFatSectors) * file.mSectorSize);
        if (!miniFat)
            return std::nullopt;
        for (qsizetype at = 0; at + 4 <= miniFat->size(); at += 4)
            file.mMiniFat.push_back(u32(*miniFat, at));
        const Entry &root = file.mEntries.front();
        const auto mini = file.chain(root.start, root.size);
        if (!mini)
            return std::nullopt;
        file.mMiniStream = *mini;
    }
    return file;
}

std::optional<QByteArray> CompoundFile::chain(quint32 start, quint64 size) const
{
    // A chain visits each sector of the file at most once: a loop is a damaged file, and the
    // bytes gathered can never exceed the file's own size.
    const std::size_t sectors = std::min<std::size_t>(
        mFat.size(), std::size_t(std::max<qsizetype>(0, mBytes.size() / mSectorSize - 1)));
    std::vector<bool> visited(sectors, false);
    QByteArray out;
    quint32 sector = start;
    const bool bounded = size != ~quint64(0);
    while (sector != kEndOfChain && (!bounded || quint64(out.size()) < size)) {
        if (sector >= sectors || visited[sector])
            return std::nullopt;
        visited[sector] = true;
        const qint64 offset = qint64(sector + 1) * mSectorSize;
        if (offset + mSectorSize > mBytes.size())
            return std::nullopt;
        out.append(mBytes.constData() + offset, mSectorSize);
        sector = mFat[sector];
    }
    if (bounded) {
        if (quint64(out.size()) < size)
            return std::nullopt;
        out.truncate(qsizetype(size));
    }
    return out;
}

std::optional<QByteArray> CompoundFile::miniChain(quint32 start, quint64 size) const
{
    const std::size_t sectors =
        std::min<std::size_t>(mMiniFat.size(), std::size_t(mMiniStream.size() / mMiniSectorSize));
    std::vector<bool> visited(sectors, false);
    QByteArray out;
    quint32 sector = start;
    while (quint64(out.size()) < size) {
        if (sector >= sectors || visited[sector])
            return std::nullopt;
        visited[sector] = true;
        const qint64 offset = qint64(sector) * mMiniSectorSize;
        out.append(mMiniStream.constData() + offset, mMiniSectorSize);
        sector = mMiniFat[sector];
    }
    out.truncate(qsizetype(size));
    return out;
}

std::optional<QByteArray> CompoundFile::stream(const QString &name) const
{
    for (const Entry &entry : mEntries) {
        if (entry.type != 2 || entry.name.compare(name, Qt::CaseInsensitive) != 0)
            continue;
        if (entry.size == 0)
            return QByteArray();
        if (entry.size > quint64(mBytes.size()))
            return std::nullopt;
        if (entry.size < mMiniCutoff)
            return miniChain(entry.start, entry.size);
        return chain(entry.start, entry.size);
    }
    return std::nullopt;
}

} // namespace vendara
