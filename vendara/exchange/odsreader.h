// OpenDocument spreadsheets (.ods): the first table of content.xml, with its repeated rows
// and cells, numbers (float, percentage, currency), dates, times, truth values and texts of
// one or more paragraphs (joined by line feeds).
#pragma once

#include "workbook.h"

namespace vendara {

class OdsReader
{
public:
    // Whether the zip container at `path` says it is an OpenDocument file (its first entry
    // "mimetype" names an OpenDocument type).
    [[nodiscard]] static bool isOpenDocument(const QString &path);
    [[nodiscard]] static Workbook::OpenResult read(const QString &path);

    // Cells kept at most: a file that repeats filled rows beyond this is refused rather than
    // filling memory.
    static constexpr qint64 kMaxCells = qint64(4) * 1024 * 1024;
};

} // namespace vendara
