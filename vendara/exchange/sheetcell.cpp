#include "sheetcell.h"

#include "vendara/store/numberforms.h"

// Qt
#include <QLocale>

// std
#include <cmath>

namespace vendara {

SheetCell SheetCell::text(QString text)
{
    SheetCell cell;
    cell.mKind = Kind::Text;
    cell.mText = std::move(text);
    return cell;
}

SheetCell SheetCell::number(double value)
{
    SheetCell cell;
    cell.mKind = std::isfinite(value) ? Kind::Number : Kind::Unreadable;
    cell.mNumber = value;
    return cell;
}

SheetCell SheetCell::boolean(bool value)
{
    SheetCell cell;
    cell.mKind = Kind::Boolean;
    cell.mNumber = value ? 1.0 : 0.0;
    return cell;
}

SheetCell SheetCell::date(QString shown)
{
    SheetCell cell;
    cell.mKind = Kind::Date;
    cell.mText = std::move(shown);
    return cell;
}

SheetCell SheetCell::unreadable()
{
    SheetCell cell;
    cell.mKind = Kind::Unreadable;
    return cell;
}

bool SheetCell::isEmpty() const
{
    return mKind == Kind::Empty
           || ((mKind == Kind::Text || mKind == Kind::Date) && mText.isEmpty());
}

QString SheetCell::shown() const
{
    switch (mKind) {
    case Kind::Text:
    case Kind::Date:
        return mText;
    case Kind::Number:
        return shortestNumber(mNumber);
    case Kind::Boolean:
        return mNumber != 0.0 ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
    case Kind::Empty:
    case Kind::Unreadable:
        break;
    }
    return {};
}

QString SheetCell::valueText() const
{
    QString text = shown();
    if (mKind == Kind::Number) {
        const QString point = NumberForms::locale().decimalPoint();
        if (point != QLatin1String("."))
            text.replace(QLatin1Char('.'), point);
    }
    return text;
}

QString SheetCell::shortestNumber(double value)
{
    if (!std::isfinite(value))
        return {};
    if (value == 0.0)
        return QStringLiteral("0"); // no negative zero
    return QLocale::c().toString(value, 'f', QLocale::FloatingPointShortest);
}

} // namespace vendara
