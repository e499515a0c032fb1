// What the fuzz targets of the Qt readers share: a scratch file for readers that take a path,
// the packages that the zip targets build from their input, the compound document that the
// .xls target wraps a bare workbook stream in, and the check that every sheet a reader gives
// survives the reader process's answer form.
#pragma once

#include "promise.h"

#include "vendara/exchange/workbook.h"

// Qt
#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// std
#include <utility>
#include <vector>

namespace fuzz {

// A file in this process's own temporary folder (under TMPDIR), holding `bytes`; the same name
// gives the same file again.
QString scratchFile(const QString &name, QByteArrayView bytes);

// The entries of a zip package described by a fuzz input, so that the fuzzer works on the
// parts' XML instead of on compressed bytes and checksums: entries separated by NUL bytes,
// each its name, a line feed and its content. Anywhere in them, the bytes 0x01 0x01, a count
// (two bytes, low first), a length byte and that many bytes stand for those bytes repeated
// `count` times (3 MB at most), so that a short input can nest elements 200,000 deep.
using Entries = std::vector<std::pair<QByteArray, QByteArray>>;
Entries packageEntries(QByteArrayView input);
// The input form of a package's entries (the repeat is not used).
QByteArray packageInput(const Entries &entries);
// Writes the entries as a zip container (stored, not compressed); false when libzip cannot.
bool writeZip(const QString &path, const Entries &entries);
// The zip target's file: the input itself when it is a zip container ("PK"), else the
// package its entries describe.
QString zipInputFile(const QString &name, QByteArrayView input);

// A compound document of 512-byte sectors holding one stream "Workbook" with these bytes
// (padded with zeros to 4096, so that it lives in regular sectors).
QByteArray compoundDocument(QByteArrayView workbookStream);

// A sheet (or a refusal) must come back whole through the reader process's answer.
void requireTransfer(const vendara::Workbook::OpenResult &read);

} // namespace fuzz
