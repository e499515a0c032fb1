// The number forms the catalogue program shows and reads: "currency" (the user's currency
// symbol, digit grouping, two decimals), "percent" (value times 100, two decimals, percent
// sign), "#,###" for quantities, and the shortest form of up to seven significant digits
// that the catalogue file holds. They follow the user's locale; where that is C or POSIX,
// which has no currency symbol, the United States forms are used ("$12.50").
#pragma once

// Qt
#include <QLocale>
#include <QString>

// std
#include <optional>

namespace vendara {

class NumberForms
{
public:
    // The user's locale, or United States English where the locale is C or POSIX.
    [[nodiscard]] static QLocale locale();

    // "currency": $1,234.50; amounts are rounded to cents with halves to the even neighbour.
    [[nodiscard]] static QString currency(double value);
    // "percent": 0.05 gives 5.00%.
    [[nodiscard]] static QString percent(double value);
    // "#,###": digit grouping, no decimals (halves to even); zero gives empty text.
    [[nodiscard]] static QString quantity(double value);
    // Shortest decimal form with up to seven significant digits, the user's decimal
    // separator, no digit grouping, no currency sign: 12.5, 0.1, 1234567.
    [[nodiscard]] static QString shortest(float value);

    // A plain number, a number with the user's digit grouping, or a currency amount (with or
    // without the symbol, negative with a minus sign or in parentheses). Nothing when the
    // text is not a number. A number in the United States form is accepted too when the
    // user's own form does not read it.
    [[nodiscard]] static std::optional<double> readNumber(const QString &text);
    // A "percent" text back to its ratio (5.00% gives 0.05); a number without the percent
    // sign is read as a percentage as well.
    [[nodiscard]] static std::optional<double> readPercent(const QString &text);
    // A "#,###" text back to its whole number (halves to even); empty text is nothing.
    [[nodiscard]] static std::optional<long long> readQuantity(const QString &text);
    // A number read as single precision, as the catalogue stores prices; nothing when it is
    // not a number or does not fit.
    [[nodiscard]] static std::optional<float> readSingle(const QString &text);

    // Halves go to the even neighbour.
    [[nodiscard]] static double round(double value, int decimals = 0);
};

} // namespace vendara
