// The printout of a database: every record as lines of "Field: value", wrapped at seven
// inches, records separated by a line of hyphens, in a 10-point black font.
#pragma once

#include "dorvane/pdb/textformats.h"

// Qt
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QString>

// std
#include <cstddef>
#include <optional>

class QPagedPaintDevice;

namespace pdb {
class Database;
}

namespace dorvane {

class DatabasePrintout
{
public:
    static constexpr int kLeft = 20; // printer pixels
    static constexpr int kTop = 10;
    static constexpr int kLineGap = 5;

    explicit DatabasePrintout(QPagedPaintDevice &device);

    // Starts the print job; false when the printer cannot be used.
    bool begin();
    void end();

    // The record's fields in display order, then a line of 62 hyphens; nothing for a record
    // that cannot be read.
    void PrintRecord(const pdb::Database &database, std::size_t index, pdb::TextFormats formats);
    // Each line of the text (line feeds split it, carriage returns are dropped) wrapped to
    // the width; empty lines print nothing.
    void PrintText(const QString &text);
    void PrintWrappedLine(const QString &line);
    // How many characters of the text fit below the width: cut back to the last word, or
    // 10 characters at a time where there is no blank to cut at. At least 1.
    [[nodiscard]] int FitToWidth(const QString &text, int width) const;
    void PrintLine(const QString &text);
    [[nodiscard]] bool PageIsFull() const;

    [[nodiscard]] int widthLimit() const { return mWidthLimit; }
    [[nodiscard]] int textWidth(const QString &text) const;
    [[nodiscard]] int pages() const { return mPages; }

private:
    QPagedPaintDevice &mDevice;
    QPainter mPainter;
    QFont mFont;
    std::optional<QFontMetrics> mMetrics;
    int mWidthLimit = 0;
    int mLineHeight = 0;
    int mLine = 0;
    int mPages = 1;
};

} // namespace dorvane
