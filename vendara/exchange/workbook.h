// The first worksheet of a spreadsheet workbook: its cells by row and column, or by an
// A1-style address. The readers of the supported file formats fill it; `open` picks the
// reader by the file's content, not by its name, so that a tab-separated file named ".xls"
// (the export's usual name) is read as text.
#pragma once

#include "sheetcell.h"

// Qt
#include <QString>

// std
#include <functional>
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
    // The workbook reader process ran out of memory, or failed otherwise (crashed, took too
    // long, could not be started, gave no answer that could be read).
    static constexpr int kOutOfMemory = 7;
    static constexpr int kReaderFailed = 440;
    static constexpr int kCancelled = 18; // the user stopped the reading: nothing to report

    struct OpenResult
    {
        std::unique_ptr<Workbook> workbook; // null: not read
        int errorNumber = 0;
        QString reason; // for the diagnostic trace and tests
        // Why the reader process failed, in the user's words, for the message's details;
        // empty when the reader itself refused the file.
        QString detail;
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

    // Every cell that holds something, row by row and left to right.
    void
    forEachCell(const std::function<void(int row, int column, const SheetCell &)> &visit) const;

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
