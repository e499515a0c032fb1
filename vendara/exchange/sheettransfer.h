// How the workbook reader process hands the first worksheet back to the program: UTF-8 text
// lines ending in LF, so that a person can read it too (`vendara-sheet FILE` prints it).
//
//   vendara-sheet 1                  the first line: the form and its version
//   c 1 1 t Part Number              a cell: row, column (from 1), kind, value
//   c 2 3 n 12.5                     kinds: t text, n number, b truth value (1 or 0),
//   c 2 4 d 2026-03-01               d date as shown, u unreadable (no value)
//   c 2 5 u
//   end                              the last line: the sheet is complete
//
// or, for a file the readers refuse:
//
//   vendara-sheet 1
//   refused 432 the compound document is damaged
//
// In values and reasons a backslash is written "\\", a line feed "\n", a carriage return
// "\r". Numbers are in their shortest form that reads back as the same double ("1e+300"). An
// answer without its "end" line was cut short and is not used.
#pragma once

#include "workbook.h"

// Qt
#include <QByteArray>

// std
#include <optional>

class QIODevice;

namespace vendara {

class SheetTransfer
{
public:
    // Writes the result of reading a workbook in the form above.
    static bool write(const Workbook::OpenResult &result, QIODevice &out);
    [[nodiscard]] static QByteArray toBytes(const Workbook::OpenResult &result);
    // The result the answer holds; nothing when it is not an answer in the form above.
    [[nodiscard]] static std::optional<Workbook::OpenResult> read(const QByteArray &answer);
};

} // namespace vendara
