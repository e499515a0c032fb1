// The damaged workbooks that once crashed, froze or exhausted the program, made here with the
// project's own code: each is written to `folder` and its path returned.
#pragma once

#include "minimalxlsx.h"

// Qt
#include <QDir>
#include <QFile>
#include <QString>
#include <QtEndian>

// std
#include <vector>

namespace testsupport {

namespace damaged {

constexpr quint32 kFree = 0xFFFFFFFF;
constexpr quint32 kEndOfChain = 0xFFFFFFFE;
constexpr quint32 kFatSector = 0xFFFFFFFD;
constexpr quint32 kDifatSector = 0xFFFFFFFC;

inline void put32(QByteArray &bytes, qsizetype at, quint32 value)
{
    qToLittleEndian(value, bytes.data() + at);
}

inline void put16(QByteArray &bytes, qsizetype at, quint16 value)
{
    qToLittleEndian(value, bytes.data() + at);
}

// A compound document of `sectors` sectors after the header, every one free: the header
// with its fields in their usual places, no FAT sector named yet.
inline QByteArray compoundDocument(int sectorShift, int sectors)
{
    const int size = 1 << sectorShift;
    QByteArray bytes(qsizetype(size) * (sectors + 1), '\0');
    bytes.replace(0, 8, QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8));
    put16(bytes, 0x18, 0x3E);
    put16(bytes, 0x1A, sectorShift == 12 ? 4 : 3);
    put16(bytes, 0x1C, 0xFFFE);
    put16(bytes, 0x1E, quint16(sectorShift));
    put16(bytes, 0x20, 6);
    put32(bytes, 0x30, kEndOfChain); // directory
    put32(bytes, 0x38, 4096);
    put32(bytes, 0x3C, kEndOfChain); // mini FAT
    put32(bytes, 0x44, kEndOfChain); // DIFAT
    for (int i = 0; i < 109; ++i)
        put32(bytes, 0x4C + 4 * i, kFree);
    return bytes;
}

inline qsizetype sectorAt(int sectorShift, quint32 sector)
{
    return qsizetype(sector + 1) << sectorShift;
}

inline QString write(const QString &folder, const QString &name, const QByteArray &bytes)
{
    const QString path = QDir(folder).filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        return {};
    return path;
}

// 1.5 KB: a DIFAT sector that names itself as the next one, with a count of four billion.
inline QString difatLoop(const QString &folder)
{
    QByteArray bytes = compoundDocument(9, 2);
    put32(bytes, 0x2C, 2); // two FAT sectors: the second must come from the DIFAT chain
    put32(bytes, 0x4C, 0);
    put32(bytes, 0x44, 1);
    put32(bytes, 0x48, 0xFFFFFFFF);
    const qsizetype fat = sectorAt(9, 0);
    for (int i = 0; i < 128; ++i)
        put32(bytes, fat + 4 * i, kFree);
    put32(bytes, fat, kFatSector);
    put32(bytes, fat + 4, kDifatSector);
    const qsizetype difat = sectorAt(9, 1);
    for (int i = 0; i < 127; ++i)
        put32(bytes, difat + 4 * i, kFree);
    put32(bytes, difat + 4 * 127, 1);
    return write(folder, QStringLiteral("difat-loop.xls"), bytes);
}

// 452 KB of 4096-byte sectors whose allocation table names sector 0 `times` times, and whose
// directory chain loops on one sector: read as written, the chain goes round a million times.
inline QString fatRepeated(const QString &folder, quint32 times = 1000)
{
    constexpr int shift = 12;
    QByteArray bytes = compoundDocument(shift, 112);
    put32(bytes, 0x2C, times);
    put32(bytes, 0x30, 2); // the directory
    for (int i = 0; i < 109; ++i)
        put32(bytes, 0x4C + 4 * i, 0);
    put32(bytes, 0x44, 1);
    put32(bytes, 0x48, 1);
    const qsizetype fat = sectorAt(shift, 0);
    for (int i = 0; i < 1024; ++i)
        put32(bytes, fat + 4 * i, kFree);
    put32(bytes, fat, kFatSector);
    put32(bytes, fat + 4, kDifatSector);
    put32(bytes, fat + 8, 2);
    const qsizetype difat = sectorAt(shift, 1);
    for (int i = 0; i < 1023; ++i)
        put32(bytes, difat + 4 * i, 0);
    put32(bytes, difat + 4 * 1023, kEndOfChain);
    return write(folder, QStringLiteral("fat-repeated-%1.xls").arg(times), bytes);
}

// An .xlsx whose package relationship climbs above the package: "../xl/workbook.xml".
inline QString relationshipAboveRoot(const QString &folder)
{
    const QString path = QDir(folder).filePath(QStringLiteral("above-root.xlsx"));
    return writeMinimalXlsx(path,
                            "<row r=\"1\"><c r=\"A1\" t=\"inlineStr\"><is><t>Part Number</t>"
                            "</is></c></row>",
                            "../xl/workbook.xml")
               ? path
               : QString();
}

// An .ods whose first cell holds `cellXml` (the table:table-cell element).
inline QString ods(const QString &folder, const QString &name, const QByteArray &cellXml)
{
    const QByteArray content =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?><office:document-content "
        "xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
        "xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\" "
        "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\"><office:body>"
        "<office:spreadsheet><table:table table:name=\"S\"><table:table-row>"
        + cellXml
        + "</table:table-row></table:table></office:spreadsheet></office:body>"
          "</office:document-content>";
    const QString path = QDir(folder).filePath(name);
    return writeZip(path, {{"mimetype", "application/vnd.oasis.opendocument.spreadsheet"},
                           {"content.xml", content}})
               ? path
               : QString();
}

// 200,000 nested text:span elements round the first cell's text "Deep" (about 9 KB).
inline QString nestedSpans(const QString &folder, int depth = 200000)
{
    const QByteArray cell = "<table:table-cell><text:p>" + QByteArray("<text:span>").repeated(depth)
                            + "Deep" + QByteArray("</text:span>").repeated(depth)
                            + "</text:p></table:table-cell>";
    return ods(folder, QStringLiteral("nested-spans.ods"), cell);
}

// A time cell of a hundred trillion seconds.
inline QString hugeDuration(const QString &folder)
{
    return ods(folder, QStringLiteral("huge-duration.ods"),
               "<table:table-cell office:value-type=\"time\" "
               "office:time-value=\"PT99999999999999S\"><text:p>?</text:p></table:table-cell>");
}

} // namespace damaged

} // namespace testsupport
