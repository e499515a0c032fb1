// Office Open XML workbooks (.xlsx): the first worksheet of the workbook part, with shared
// strings, inline strings, numbers, truth values, dates (numbers in a date format, or "d"
// cells) and the cached results of formulas. Error values, and formulas saved without a
// result, are unreadable cells.
#pragma once

#include "workbook.h"

namespace vendara {

class XlsxReader
{
public:
    [[nodiscard]] static Workbook::OpenResult read(const QString &path);

    // Whether an Excel number format shows a date or a time: the built-in formats 14 to 22,
    // 27 to 36, 45 to 47 and 50 to 58, or a format code with date or time parts outside
    // quoted text, brackets and escapes. 0: neither, 1: date, 2: time, 3: date and time.
    [[nodiscard]] static int dateParts(int formatId, const QString &formatCode);
    // A serial day number as the cell shows it: "2026-03-01", "2026-03-01 10:30:00" or
    // "10:30:00", from 1900-01-00 (the 1900 system, with its 29 February 1900) or from
    // 1904-01-01.
    [[nodiscard]] static QString serialText(double serial, int parts, bool from1904);
};

} // namespace vendara
