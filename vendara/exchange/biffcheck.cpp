#include "biffcheck.h"

#include "biffrecordtypes.h"

// Qt
#include <QtEndian>

// std
#include <vector>

namespace vendara {

namespace {

constexpr quint16 kSst = 0x00FC;
constexpr quint16 kLabel = 0x0204;
constexpr quint16 kFormat = 0x041E;
constexpr quint16 kFont = 0x0031;
constexpr quint16 kDimensions = 0x0200;
constexpr int kMaxRecord = 8224;

struct Record
{
    quint16 type;
    qsizetype start; // of the data
    int size;
};

// Reading the shared strings across their continuation records: a text's characters may be
// split over records, and each continuation of characters starts with a new width flag.
class SstReader
{
public:
    SstReader(const QByteArray &stream, const std::vector<Record> &records, std::size_t first)
        : mStream(stream)
        , mRecords(records)
        , mIndex(first)
        , mPos(0)
    {}

    // Skips `count` bytes that are not characters; false past the last continuation.
    bool skip(qint64 count)
    {
        while (count > 0) {
            if (!atData())
                return false;
            const qint64 here = std::min<qint64>(count, remaining());
            mPos += int(here);
            count -= here;
        }
        return true;
    }
    bool readU8(quint8 &value)
    {
        if (!atData())
            return false;
        value = quint8(mStream.at(current().start + mPos++));
        return true;
    }
    bool readU16(quint16 &value)
    {
        quint8 low = 0;
        quint8 high = 0;
        if (!readU8(low) || !readU8(high))
            return false;
        value = quint16(low | (high << 8));
        return true;
    }
    bool readU32(quint32 &value)
    {
        quint16 low = 0;
        quint16 high = 0;
        if (!readU16(low) || !readU16(high))
            return false;
        value = quint32(low) | (quint32(high) << 16);
        return true;
    }
    // `count` characters of width 1 or 2; a continuation inside them restarts with a flag.
    bool skipCharacters(qint64 count, bool wide)
    {
        while (count > 0) {
            if (remaining() == 0) {
                if (!next())
                    return false;
                quint8 flags = 0;
                if (!readU8(flags))
                    return false;
                wide = (flags & 1) != 0;
            }
            const qint64 fit = std::min<qint64>(count, remaining() / (wide ? 2 : 1));
            if (fit == 0)
                return false; // half a character before a record's end
            mPos += int(fit * (wide ? 2 : 1));
            count -= fit;
        }
        return true;
    }

private:
    [[nodiscard]] const Record &current() const { return mRecords[mIndex]; }
    [[nodiscard]] qint64 remaining() const { return current().size - mPos; }
    bool next()
    {
        if (mIndex + 1 >= mRecords.size() || mRecords[mIndex + 1].type != biff::kContinue)
            return false;
        ++mIndex;
        mPos = 0;
        return true;
    }
    // At a byte of data, moving on to the next continuation when this record is used up.
    bool atData()
    {
        while (remaining() == 0) {
            if (!next())
                return false;
        }
        return true;
    }

    const QByteArray &mStream;
    const std::vector<Record> &mRecords;
    std::size_t mIndex;
    int mPos;
};

bool sharedStringsFit(const QByteArray &stream, const std::vector<Record> &records,
                      std::size_t index)
{
    SstReader reader(stream, records, index);
    quint32 total = 0;
    quint32 unique = 0;
    if (!reader.readU32(total) || !reader.readU32(unique))
        return false;
    for (quint32 i = 0; i < unique; ++i) {
        quint16 length = 0;
        quint8 flags = 0;
        if (!reader.readU16(length) || !reader.readU8(flags))
            return false;
        quint16 runs = 0;
        quint32 extra = 0;
        if ((flags & 0x08) != 0 && !reader.readU16(runs))
            return false;
        if ((flags & 0x04) != 0 && !reader.readU32(extra))
            return false;
        if (!reader.skipCharacters(length, (flags & 1) != 0))
            return false;
        if (!reader.skip(qint64(runs) * 4) || !reader.skip(extra))
            return false;
    }
    return true;
}

quint8 byteAt(const QByteArray &stream, const Record &r, int offset)
{
    return quint8(stream.at(r.start + offset));
}

quint16 u16At(const QByteArray &stream, const Record &r, int offset)
{
    return qFromLittleEndian<quint16>(stream.constData() + r.start + offset);
}

// A text of `length` characters at `offset`, after a width flag when `flagged`: inside?
bool textFits(const QByteArray &stream, const Record &r, int offset, int length, bool flagged)
{
    int width = 1;
    if (flagged) {
        if (offset >= r.size)
            return length == 0;
        width = (byteAt(stream, r, offset) & 1) != 0 ? 2 : 1;
        ++offset;
    }
    return offset + qint64(length) * width <= r.size;
}

} // namespace

bool BiffCheck::wellFormed(const QByteArray &stream)
{
    std::vector<Record> records;
    qsizetype pos = 0;
    while (pos + 4 <= stream.size()) {
        const quint16 type = qFromLittleEndian<quint16>(stream.constData() + pos);
        const int size = qFromLittleEndian<quint16>(stream.constData() + pos + 2);
        if (size > kMaxRecord || pos + 4 + size > stream.size())
            return false;
        records.push_back({type, pos + 4, size});
        pos += 4 + size;
    }
    if (records.empty() || records.front().type != biff::kBof || records.front().size < 2)
        return false;
    const quint16 version = u16At(stream, records.front(), 0);
    const bool biff8 = version == 0x0600;
    if (!biff8 && version != 0x0500)
        return false;

    bool sawEof = false;
    // FreeXL sizes a sheet's cells at its DIMENSIONS record. A second one before the EOF record
    // makes it keep the old cells under the new size: it then reads and frees past them. (A
    // BOF without an EOF before it does not start a new sheet for FreeXL, so only EOF counts.)
    int dimensionsSinceEof = 0;
    for (std::size_t i = 0; i < records.size(); ++i) {
        const Record &r = records[i];
        switch (r.type) {
        case biff::kEof:
            sawEof = true;
            dimensionsSinceEof = 0;
            break;
        case kDimensions:
            if (++dimensionsSinceEof > 1 || r.size < (biff8 ? 12 : 8))
                return false;
            break;
        case kSst:
            if (!sharedStringsFit(stream, records, i))
                return false;
            break;
        case biff::kBoundSheet: {
            if (r.size < 7)
                return false;
            const quint32 offset = qFromLittleEndian<quint32>(stream.constData() + r.start);
            if (offset + qint64(4) > stream.size()
                || qFromLittleEndian<quint16>(stream.constData() + offset) != biff::kBof)
                return false;
            if (!textFits(stream, r, 7, byteAt(stream, r, 6), biff8))
                return false;
            break;
        }
        case kLabel:
            if (r.size < 8 || !textFits(stream, r, 8, u16At(stream, r, 6), biff8))
                return false;
            break;
        case kFormat:
            if (biff8 ? (r.size < 4 || !textFits(stream, r, 4, u16At(stream, r, 2), true))
                      : (r.size < 3 || !textFits(stream, r, 3, byteAt(stream, r, 2), false)))
                return false;
            break;
        case kFont:
            if (r.size < 15 || !textFits(stream, r, 15, byteAt(stream, r, 14), biff8))
                return false;
            break;
        default:
            break;
        }
    }
    return sawEof;
}

} // namespace vendara
