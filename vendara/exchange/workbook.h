// The first worksheet of a spreadsheet workbook: its cells by row and column, or by an
// A1-style address. The readers of the supported file formats fill it; `open` picks the
// reader by the file's content, not by its name, so that a tab-separated file named ".xls"
// (the export's usual name) is read as text.
#pragma once

#include "sheetcell.h"

// Qt
#include <QString>

// std
#include <memory>
#include <optional>
#include <unordered_map>
#include <utility>

namespace vendara {

class Workbook
{
public:
    // The largest sheet a reader keeps: the rows and columns of the newest file formats.
    static constexpr int kMaxRows = 1048576;
    static constexpr int kMaxColumns = 16384;

    // The error numbers shown to the user when a file cannot be read as a workbook.
    static constexpr int kFileNotFound = 53;
    static constexpr int kCannotOpen = 75;
    static constexpr int kCannotRead = 57;
    static constexpr int kNotAWorkbook = 432; // not a workbook of any format read here

    struct OpenResult
    {
        std::unique_ptr<Workbook> workbook; // null: not read
        int errorNumber = 0;
        QString reason; // for the diagnostic trace and tests
    };

    [[nodiscard]] static OpenResult open(const QString &path);
    // A reader's failure with its error number.
    [[nodiscard]] static OpenResult failure(int errorNumber, QString reason);

    // Rows and columns count from 1; a cell outside the sheet reads as nothing.
    [[nodiscard]] const SheetCell &cell(int row, int column) const;
    // "A1", "r12", "AB7"; nothing for an address that is not one.
    [[nodiscard]] const SheetCell &cell(const QString &address) const;
    // Empty cells are not kept.
    void setCell(int row, int column, SheetCell cell);

    // The last row and column that hold a cell (0 for an empty sheet).
    [[nodiscard]] int lastRow() const { return mLastRow; }
    [[nodiscard]] int lastColumn() const { return mLastColumn; }

    // "A", "Z", "AA"; empty outside 1..kMaxColumns.
    [[nodiscard]] static QString columnName(int column);
    // Row and column of an A1-style address.
    [[nodiscard]] static std::optional<std::pair<int, int>> parseAddress(const QString &address);

private:
    [[nodiscard]] static quint64 key(int row, int column)
    {
        return (quint64(quint32(row)) << 32) | quint32(column);
    }

    std::unordered_map<quint64, SheetCell> mCells;
    int mLastRow = 0;
    int mLastColumn = 0;
};

} // namespace vendara
