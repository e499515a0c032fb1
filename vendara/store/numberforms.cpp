#include "numberforms.h"

#include "common/core/rounding.h"

// std
#include <cmath>
#include <limits>

namespace vendara {

namespace {

QLocale unitedStates()
{
    return QLocale(QLocale::English, QLocale::UnitedStates);
}

bool isSpace(QChar c)
{
    return c.isSpace() || c == QChar(0x00A0) || c == QChar(0x202F);
}

QString trimmedAll(const QString &text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && isSpace(text.at(first)))
        ++first;
    while (last > first && isSpace(text.at(last - 1)))
        --last;
    return text.mid(first, last - first);
}

// Reads `text` in `locale`, taking off a currency symbol, a sign and parentheses.
std::optional<double> readIn(const QLocale &locale, QString text)
{
    text = trimmedAll(text);
    if (text.isEmpty())
        return std::nullopt;
    bool negative = false;
    if (text.startsWith(QLatin1Char('(')) && text.endsWith(QLatin1Char(')'))) {
        negative = true;
        text = trimmedAll(text.mid(1, text.size() - 2));
    }
    auto takeSign = [&] {
        if (text.startsWith(QLatin1Char('-')) || text.startsWith(locale.negativeSign())) {
            negative = !negative;
            text = trimmedAll(
                text.mid(text.startsWith(QLatin1Char('-')) ? 1 : locale.negativeSign().size()));
        } else if (text.startsWith(QLatin1Char('+'))) {
            text = trimmedAll(text.mid(1));
        }
    };
    takeSign();
    const QString symbol = locale.currencySymbol(QLocale::CurrencySymbol);
    if (!symbol.isEmpty()) {
        if (text.startsWith(symbol)) {
            text = trimmedAll(text.mid(symbol.size()));
            takeSign();
        } else if (text.endsWith(symbol)) {
            text = trimmedAll(text.left(text.size() - symbol.size()));
        }
    }
    if (text.endsWith(QLatin1Char('-'))) { // 12.50- as some ledgers write it
        negative = !negative;
        text = trimmedAll(text.left(text.size() - 1));
    }
    if (text.isEmpty())
        return std::nullopt;
    // Only digits, separators and an exponent: "inf" and "nan" are not amounts.
    for (const QChar c : text) {
        if (!(c.isDigit() || c == locale.decimalPoint().front()
              || c == locale.groupSeparator().front() || c == QLatin1Char('e')
              || c == QLatin1Char('E') || c == QLatin1Char('+') || c == QLatin1Char('-')
              || isSpace(c)))
            return std::nullopt;
    }
    bool ok = false;
    const double value = locale.toDouble(text, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return negative ? -value : value;
}

} // namespace

QLocale NumberForms::locale()
{
    const QLocale user;
    if (user.language() == QLocale::C)
        return unitedStates();
    return user;
}

double NumberForms::round(double value, int decimals)
{
    return common::roundHalfEven(value, decimals);
}

QString NumberForms::currency(double value)
{
    const QLocale l = locale();
    return l.toCurrencyString(round(value, 2), l.currencySymbol(QLocale::CurrencySymbol), 2);
}

QString NumberForms::percent(double value)
{
    QLocale l = locale();
    l.setNumberOptions(QLocale::OmitGroupSeparator);
    return l.toString(round(value * 100.0, 2), 'f', 2) + l.percent();
}

QString NumberForms::quantity(double value)
{
    const double whole = round(value, 0);
    if (whole == 0.0 || !std::isfinite(whole))
        return {};
    QLocale l = locale();
    l.setNumberOptions(QLocale::DefaultNumberOptions);
    return l.toString(whole, 'f', 0);
}

QString NumberForms::shortest(float value)
{
    if (value == 0.0f || !std::isfinite(value))
        value = 0.0f; // no negative zero
    QLocale l = locale();
    l.setNumberOptions(QLocale::OmitGroupSeparator);
    return l.toString(double(value), 'g', 7);
}

std::optional<double> NumberForms::readNumber(const QString &text)
{
    const QLocale l = locale();
    if (auto value = readIn(l, text))
        return value;
    const QLocale us = unitedStates();
    if (l != us)
        return readIn(us, text);
    return std::nullopt;
}

std::optional<double> NumberForms::readPercent(const QString &text)
{
    QString t = trimmedAll(text);
    const QString sign = locale().percent();
    if (t.endsWith(sign))
        t = t.left(t.size() - sign.size());
    else if (t.endsWith(QLatin1Char('%')))
        t.chop(1);
    const auto value = readNumber(t);
    if (!value)
        return std::nullopt;
    return *value / 100.0;
}

std::optional<long long> NumberForms::readQuantity(const QString &text)
{
    const auto value = readNumber(text);
    if (!value || std::fabs(*value) > 9.0e15)
        return std::nullopt;
    return static_cast<long long>(round(*value, 0));
}

std::optional<float> NumberForms::readSingle(const QString &text)
{
    const auto value = readNumber(text);
    if (!value || std::fabs(*value) > double(std::numeric_limits<float>::max()))
        return std::nullopt;
    return static_cast<float>(*value);
}

} // namespace vendara
