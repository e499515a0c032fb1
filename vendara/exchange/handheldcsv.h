// The CSV file the hand-off gives the converter: a heading line, then one line per product,
// lines ending with CR LF, Windows-1252 text.
//
//   Quote,Cat Number,Description,Price,Includes,Notes,Discounts
//   0,A-1,Stapler,"$12.50","Staples","Heavy duty",10 - $11.00
//
// Quote is 0; the part number and the name are comma-cleaned (a text holding a comma has its
// commas and double quotes made blanks); the price is in the "currency" form; includes and
// notes are comma-cleaned and always enclosed in double quotes; the discount schedule is
// written as it comes. A value written bare is enclosed all the same when it holds a comma,
// a double quote or a line break, and an enclosed value has its double quotes doubled, so
// that every line reads back as the seven values it was meant to be. Rows without a part
// number are no products and are not written.
#pragma once

// Qt
#include <QByteArray>
#include <QList>
#include <QString>

namespace vendara {

class Table;

class HandheldCsv
{
public:
    // The heading and the lines of `rows` (table rows, in this order).
    [[nodiscard]] static QString text(const Table &products, const QList<int> &rows);
    // The line of one product, without its line end.
    [[nodiscard]] static QString line(const Table &products, int row);

    // A text with a comma has each comma and double quote replaced by a blank.
    [[nodiscard]] static QString commaCleaned(const QString &text);
    // In double quotes, with the double quotes inside doubled.
    [[nodiscard]] static QString enclosed(const QString &text);
    // As it is, or enclosed when it holds a comma, a double quote or a line break.
    [[nodiscard]] static QString bare(const QString &text);
};

} // namespace vendara
