// One cell of a spreadsheet's worksheet as the update reads it: nothing, a text, a number, a
// truth value, a date, or a cell whose value cannot be read (an error value, or a formula
// whose result the file does not hold).
#pragma once

// Qt
#include <QString>

namespace vendara {

class SheetCell
{
public:
    enum class Kind { Empty, Text, Number, Boolean, Date, Unreadable };

    SheetCell() = default;
    [[nodiscard]] static SheetCell text(QString text);
    [[nodiscard]] static SheetCell number(double value);
    [[nodiscard]] static SheetCell boolean(bool value);
    // `shown`: the date as the readers give it, "2026-03-01" or "2026-03-01 10:30:00".
    [[nodiscard]] static SheetCell date(QString shown);
    [[nodiscard]] static SheetCell unreadable();

    [[nodiscard]] Kind kind() const { return mKind; }
    // Nothing, or a text without characters.
    [[nodiscard]] bool isEmpty() const;
    [[nodiscard]] bool isUnreadable() const { return mKind == Kind::Unreadable; }
    [[nodiscard]] double numberValue() const { return mNumber; }

    // The text a person reads in the cell, in a fixed form whatever the user's settings:
    // numbers in their shortest decimal form (12.5, 1000, -0.25), truth values "TRUE" and
    // "FALSE", dates as given. Empty for nothing and for an unreadable cell.
    [[nodiscard]] QString shown() const;
    // The value as the update stores it in a product: as shown(), but a number with the
    // user's decimal separator (12,5 in German settings), as a price typed by the user has.
    [[nodiscard]] QString valueText() const;

    // The shortest decimal text that reads back as `value`, never with an exponent:
    // 12.5, 1000, 0.1, 1234567.89.
    [[nodiscard]] static QString shortestNumber(double value);

    bool operator==(const SheetCell &other) const = default;

private:
    Kind mKind = Kind::Empty;
    QString mText;
    double mNumber = 0.0;
};

} // namespace vendara
