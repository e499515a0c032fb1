#include "fuzzsupport.h"

#include "vendara/exchange/sheettransfer.h"

// Qt
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

// std
#include <algorithm>

// libzip
#include <zip.h>

namespace fuzz {

namespace {

// Enough for 200,000 nested elements; small enough that the fuzzer keeps its pace.
constexpr qsizetype kMaxExpanded = qsizetype(3) * 1024 * 1024;

QByteArray expand(QByteArrayView text)
{
    QByteArray out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != '\x01' || i + 5 > text.size() || text[i + 1] != '\x01') {
            out += text[i];
            continue;
        }
        const int count = quint8(text[i + 2]) | (quint8(text[i + 3]) << 8);
        const int length = quint8(text[i + 4]);
        const QByteArrayView unit =
            text.sliced(i + 5, std::min<qsizetype>(length, text.size() - i - 5));
        for (int n = 0; n < count && out.size() + unit.size() <= kMaxExpanded; ++n)
            out += unit;
        i += 4 + unit.size();
    }
    return out;
}

void put16(QByteArray &bytes, qsizetype at, quint16 value)
{
    qToLittleEndian(value, bytes.data() + at);
}

void put32(QByteArray &bytes, qsizetype at, quint32 value)
{
    qToLittleEndian(value, bytes.data() + at);
}

void putName(QByteArray &bytes, qsizetype at, const QString &name)
{
    for (qsizetype i = 0; i < name.size(); ++i)
        put16(bytes, at + 2 * i, name.at(i).unicode());
    put16(bytes, at + 0x40, quint16(2 * (name.size() + 1)));
}

QStringList cellsOf(const vendara::Workbook &sheet)
{
    QStringList cells;
    sheet.forEachCell([&](int row, int column, const vendara::SheetCell &cell) {
        cells.append(QString::number(row) + QLatin1Char(',') + QString::number(column)
                     + QLatin1Char(':') + QString::number(int(cell.kind())) + QLatin1Char(':')
                     + (cell.kind() == vendara::SheetCell::Kind::Number
                            ? QString::number(cell.numberValue(), 'g', 17)
                            : cell.shown()));
    });
    return cells;
}

} // namespace

QString scratchFile(const QString &name, QByteArrayView bytes)
{
    static const QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/vendara-fuzz-XXXXXX"));
    const QString path = folder.filePath(name);
    QFile file(path);
    require(file.open(QIODevice::WriteOnly | QIODevice::Truncate)
                && file.write(bytes.data(), bytes.size()) == bytes.size(),
            "a scratch file");
    return path;
}

Entries packageEntries(QByteArrayView input)
{
    Entries entries;
    qsizetype from = 0;
    while (from < input.size()) {
        qsizetype end = input.indexOf('\0', from);
        if (end < 0)
            end = input.size();
        const QByteArrayView entry = input.sliced(from, end - from);
        const qsizetype lineEnd = entry.indexOf('\n');
        if (lineEnd > 0)
            entries.emplace_back(expand(entry.first(lineEnd)), expand(entry.sliced(lineEnd + 1)));
        from = end + 1;
    }
    return entries;
}

QByteArray packageInput(const Entries &entries)
{
    QByteArray input;
    for (const auto &[name, content] : entries) {
        if (!input.isEmpty())
            input += '\0';
        input += name + '\n' + content;
    }
    return input;
}

bool writeZip(const QString &path, const Entries &entries)
{
    int error = 0;
    zip_t *archive =
        zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (archive == nullptr)
        return false;
    for (const auto &[name, content] : entries) {
        zip_source_t *source =
            zip_source_buffer(archive, content.constData(), zip_uint64_t(content.size()), 0);
        if (source == nullptr)
            break;
        const zip_int64_t index = zip_file_add(archive, name.constData(), source, 0);
        if (index < 0) {
            zip_source_free(source); // a name used twice, or one libzip refuses
            continue;
        }
        zip_set_file_compression(archive, zip_uint64_t(index), ZIP_CM_STORE, 0);
    }
    if (zip_close(archive) != 0) {
        zip_discard(archive);
        return false;
    }
    return true;
}

QString zipInputFile(const QString &name, QByteArrayView input)
{
    if (input.startsWith("PK"))
        return scratchFile(name, input);
    const QString path = scratchFile(name, {});
    if (!writeZip(path, packageEntries(input)))
        QFile::remove(path);
    return path;
}

QByteArray compoundDocument(QByteArrayView workbookStream)
{
    constexpr quint32 kFree = 0xFFFFFFFF;
    constexpr quint32 kEnd = 0xFFFFFFFE;
    constexpr quint32 kFatSector = 0xFFFFFFFD;
    QByteArray stream = workbookStream.toByteArray();
    if (stream.size() < 4096)
        stream.append(4096 - stream.size(), '\0');
    const auto streamSize = quint32(stream.size());
    const int streamSectors = int((stream.size() + 511) / 512);
    stream.append(qsizetype(streamSectors) * 512 - stream.size(), '\0');
    // FAT sectors first, then the directory, then the stream.
    int fatSectors = 1;
    while (fatSectors * 128 < fatSectors + 1 + streamSectors)
        ++fatSectors;
    require(fatSectors <= 109, "a stream of at most 7 MB");
    const int directory = fatSectors;
    const int firstStream = directory + 1;
    const int sectors = firstStream + streamSectors;

    QByteArray header(512, '\0');
    header.replace(0, 8, QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8));
    put16(header, 0x18, 0x3E);
    put16(header, 0x1A, 3);
    put16(header, 0x1C, 0xFFFE);
    put16(header, 0x1E, 9);
    put16(header, 0x20, 6);
    put32(header, 0x2C, quint32(fatSectors));
    put32(header, 0x30, quint32(directory));
    put32(header, 0x38, 4096);
    put32(header, 0x3C, kEnd);
    put32(header, 0x44, kEnd);
    for (int i = 0; i < 109; ++i)
        put32(header, 0x4C + 4 * i, i < fatSectors ? quint32(i) : kFree);

    QByteArray fat(qsizetype(fatSectors) * 512, '\xFF');
    for (int i = 0; i < fatSectors; ++i)
        put32(fat, 4 * i, kFatSector);
    put32(fat, 4 * directory, kEnd);
    for (int i = firstStream; i < sectors; ++i)
        put32(fat, 4 * i, i + 1 < sectors ? quint32(i + 1) : kEnd);

    QByteArray entries(512, '\0');
    for (int e = 0; e < 4; ++e) {
        put32(entries, 128 * e + 0x44, kFree); // left, right, child: none
        put32(entries, 128 * e + 0x48, kFree);
        put32(entries, 128 * e + 0x4C, kFree);
    }
    putName(entries, 0, QStringLiteral("Root Entry"));
    entries[0x42] = 5;
    entries[0x43] = 1;
    put32(entries, 0x4C, 1);
    put32(entries, 0x74, kEnd);
    putName(entries, 128, QStringLiteral("Workbook"));
    entries[128 + 0x42] = 2;
    entries[128 + 0x43] = 1;
    put32(entries, 128 + 0x74, quint32(firstStream));
    put32(entries, 128 + 0x78, streamSize);
    return header + fat + entries + stream;
}

void requireTransfer(const vendara::Workbook::OpenResult &read)
{
    const auto back = vendara::SheetTransfer::read(vendara::SheetTransfer::toBytes(read));
    require(back.has_value(), "the answer reads back");
    require(bool(back->workbook) == bool(read.workbook), "a sheet comes back as a sheet");
    if (!read.workbook) {
        require(back->errorNumber == read.errorNumber && back->reason == read.reason,
                "a refusal comes back with its number and reason");
        return;
    }
    // UTF-8 cannot hold a lone surrogate (a damaged text): it comes back as U+FFFD.
    QStringList sent = cellsOf(*read.workbook);
    for (QString &cell : sent)
        cell = QString::fromUtf8(cell.toUtf8());
    require(cellsOf(*back->workbook) == sent, "the same cells come back");
}

} // namespace fuzz
