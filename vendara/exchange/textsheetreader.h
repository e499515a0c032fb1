// A text file read as a workbook of one sheet: tab-separated (the export's own form) or
// comma-separated.
//
// - The text is UTF-8 or UTF-16 when it starts with a byte order mark, UTF-8 when it is valid
//   UTF-8, and Windows-1252 otherwise. A file holding NUL bytes is not text.
// - Lines end with CR LF or LF. A carriage return alone ends a line only in a file without
//   any line feed (old Macintosh files); elsewhere it is part of the value, as the export
//   writes notes that hold carriage returns without line feeds.
// - A first line holding a tab makes the file tab-separated: values are taken as they stand,
//   without quoting, as the export writes them. Otherwise it is comma-separated: a value that
//   begins with a double quote runs to the next lone double quote, may hold commas and line
//   breaks, and two double quotes inside it stand for one.
#pragma once

#include "workbook.h"

// Qt
#include <QByteArray>
#include <QString>

namespace vendara {

class TextSheetReader
{
public:
    [[nodiscard]] static Workbook::OpenResult read(const QString &path);
    // The same from the file's bytes.
    [[nodiscard]] static Workbook::OpenResult parse(const QByteArray &bytes);

    [[nodiscard]] static QString decode(const QByteArray &bytes);
};

} // namespace vendara
