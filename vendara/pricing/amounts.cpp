#include "amounts.h"

#include "vendara/store/numberforms.h"

// std
#include <charconv>
#include <cmath>

namespace vendara {

std::optional<double> Amounts::read(const Cell &cell)
{
    if (cell.isNumber()) {
        // The decimal the single-precision number stands for (9.1, not 9.0999999046): a price
        // read from the catalogue is the amount written there.
        char digits[32];
        const auto written = std::to_chars(digits, digits + sizeof digits, cell.number());
        double value = 0.0;
        std::from_chars(digits, written.ptr, value);
        return value;
    }
    if (cell.isText())
        return NumberForms::readNumber(cell.text());
    return std::nullopt;
}

double Amounts::readOrZero(const Cell &cell)
{
    return read(cell).value_or(0.0);
}

Cell Amounts::cell(double value)
{
    if (!std::isfinite(value))
        value = 0.0;
    if (value == 0.0)
        value = 0.0; // no negative zero
    QLocale locale = NumberForms::locale();
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return Cell(locale.toString(value, 'g', 15));
}

Cell Amounts::single(float value)
{
    return Cell(NumberForms::shortest(value));
}

Cell Amounts::wholeNumber(double value)
{
    value = NumberForms::round(value, 0);
    // A cell's number shows with up to seven digits.
    if (std::fabs(value) < 1.0e7)
        return Cell(float(value == 0.0 ? 0.0 : value));
    return cell(value);
}

double Amounts::cents(double value)
{
    return std::round(NumberForms::round(value, 2) * 100.0);
}

QString Amounts::currency(const Cell &cell)
{
    if (const auto value = read(cell))
        return NumberForms::currency(*value);
    return cell.toText();
}

} // namespace vendara
