#include "biffsheetscan.h"

#include "biffrecordtypes.h"

#include "common/qt/cp1252text.h"

// Qt
#include <QtEndian>

// std
#include <cstring>
#include <vector>

namespace vendara {

namespace {

constexpr quint16 kFormula = 0x0006;
constexpr quint16 kString = 0x0207;
constexpr quint16 kBoolErr = 0x0205;

struct Record
{
    quint16 type = 0;
    QByteArray data;
};

class Records
{
public:
    Records(const QByteArray &stream, qsizetype at)
        : mStream(stream)
        , mPos(at)
    {}

    std::optional<Record> next()
    {
        if (mPos < 0 || mPos + 4 > mStream.size())
            return std::nullopt;
        Record record;
        record.type = qFromLittleEndian<quint16>(mStream.constData() + mPos);
        const quint16 size = qFromLittleEndian<quint16>(mStream.constData() + mPos + 2);
        if (mPos + 4 + size > mStream.size())
            return std::nullopt;
        record.data = mStream.mid(mPos + 4, size);
        mPos += 4 + size;
        return record;
    }

    [[nodiscard]] std::optional<quint16> peekType() const
    {
        if (mPos + 4 > mStream.size())
            return std::nullopt;
        return qFromLittleEndian<quint16>(mStream.constData() + mPos);
    }

private:
    const QByteArray &mStream;
    qsizetype mPos;
};

quint16 u16(const QByteArray &data, qsizetype at)
{
    return at + 2 <= data.size() ? qFromLittleEndian<quint16>(data.constData() + at) : 0;
}

quint32 u32(const QByteArray &data, qsizetype at)
{
    return at + 4 <= data.size() ? qFromLittleEndian<quint32>(data.constData() + at) : 0;
}

// Characters of a BIFF8 string: one byte each (the low bytes of UTF-16) or two.
QString characters(const QByteArray &data, qsizetype at, int count, bool wide,
                   qsizetype *consumed = nullptr)
{
    QString text;
    const qsizetype available = data.size() - at;
    const int n =
        int(std::min<qsizetype>(count, std::max<qsizetype>(0, wide ? available / 2 : available)));
    text.reserve(n);
    for (int i = 0; i < n; ++i) {
        text += wide ? QChar(char16_t(u16(data, at + 2 * i)))
                     : QChar(char16_t(quint8(data.at(at + i))));
    }
    if (consumed != nullptr)
        *consumed = wide ? 2 * n : n;
    return text;
}

struct Sheet
{
    QString name;
    quint32 offset = 0;
    int type = 0; // 0 worksheet
};

} // namespace

std::optional<BiffSheetScan::Cells> BiffSheetScan::scan(const QByteArray &stream,
                                                        const QString &sheetName)
{
    Records globals(stream, 0);
    const auto bof = globals.next();
    if (!bof || bof->type != biff::kBof)
        return std::nullopt;
    const quint16 version = u16(bof->data, 0);
    const bool biff8 = version == 0x0600;
    if (!biff8 && version != 0x0500)
        return std::nullopt;

    std::vector<Sheet> sheets;
    for (;;) {
        const auto record = globals.next();
        if (!record)
            return std::nullopt;
        if (record->type == biff::kEof)
            break;
        if (record->type != biff::kBoundSheet || record->data.size() < 8)
            continue;
        Sheet sheet;
        sheet.offset = u32(record->data, 0);
        sheet.type = quint8(record->data.at(5));
        const int length = quint8(record->data.at(6));
        if (biff8) {
            const bool wide = (quint8(record->data.at(7)) & 1) != 0;
            sheet.name = characters(record->data, 8, length, wide);
        } else {
            sheet.name = common::fromCp1252(record->data.mid(7, length));
        }
        sheets.push_back(sheet);
    }
    const Sheet *chosen = nullptr;
    for (const Sheet &sheet : sheets) {
        if (sheet.type == 0 && sheet.name == sheetName) {
            chosen = &sheet;
            break;
        }
    }
    for (const Sheet &sheet : sheets) {
        if (chosen == nullptr && sheet.type == 0)
            chosen = &sheet;
    }
    Cells cells;
    if (chosen == nullptr)
        return cells;

    Records records(stream, qsizetype(chosen->offset));
    const auto sheetBof = records.next();
    if (!sheetBof || sheetBof->type != biff::kBof)
        return std::nullopt;
    for (;;) {
        const auto record = records.next();
        if (!record)
            return std::nullopt;
        if (record->type == biff::kEof)
            break;
        const QByteArray &d = record->data;
        if (record->type == kBoolErr && d.size() >= 8) {
            const int row = u16(d, 0);
            const int column = u16(d, 2);
            const bool isError = d.at(7) != 0;
            cells[{row, column}] =
                isError ? SheetCell::unreadable() : SheetCell::boolean(d.at(6) != 0);
        } else if (record->type == kFormula && d.size() >= 14) {
            const int row = u16(d, 0);
            const int column = u16(d, 2);
            SheetCell value;
            if (u16(d, 12) != 0xFFFF) {
                const quint64 bits = qFromLittleEndian<quint64>(d.constData() + 6);
                double number = 0.0;
                std::memcpy(&number, &bits, sizeof number);
                value = SheetCell::number(number);
            } else {
                switch (quint8(d.at(6))) {
                case 0: { // a text, in the STRING record that follows
                    if (records.peekType() != kString) {
                        value = SheetCell::unreadable();
                        break;
                    }
                    const auto text = records.next();
                    const int length = u16(text->data, 0);
                    QString result;
                    if (biff8) {
                        qsizetype used = 0;
                        result =
                            characters(text->data, 3, length,
                                       text->data.size() > 2 && (text->data.at(2) & 1) != 0, &used);
                        // A long text goes on in CONTINUE records, each with its own width flag.
                        while (result.size() < length && records.peekType() == biff::kContinue) {
                            const auto more = records.next();
                            if (more->data.isEmpty())
                                break;
                            result += characters(more->data, 1, int(length - result.size()),
                                                 (more->data.at(0) & 1) != 0);
                        }
                    } else {
                        result = common::fromCp1252(text->data.mid(2, length));
                    }
                    value =
                        result.size() == length ? SheetCell::text(result) : SheetCell::unreadable();
                    break;
                }
                case 1:
                    value = SheetCell::boolean(d.at(8) != 0);
                    break;
                case 3:
                    value = SheetCell::text(QString());
                    break;
                default: // 2: an error value
                    value = SheetCell::unreadable();
                    break;
                }
            }
            cells[{row, column}] = value;
        }
    }
    return cells;
}

} // namespace vendara
