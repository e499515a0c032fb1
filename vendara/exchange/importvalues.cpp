#include "importvalues.h"

#include "vendara/store/linebreaks.h"
#include "vendara/store/numberforms.h"

// std
#include <cmath>
#include <limits>

namespace vendara {

QString ImportValues::text(const SheetCell &cell)
{
    return toTableLineBreaks(cell.valueText());
}

QString ImportValues::name(const QString &text)
{
    if (text.size() <= kNameLength)
        return text;
    qsizetype end = kNameLength;
    const QChar last = text.at(end - 1);
    if (last.isHighSurrogate() || (last == QLatin1Char('\r') && text.at(end) == QLatin1Char('\n')))
        --end;
    return text.left(end);
}

ImportValues::Price ImportValues::price(const SheetCell &cell)
{
    if (cell.kind() == SheetCell::Kind::Number) {
        if (std::fabs(cell.numberValue()) > double(std::numeric_limits<float>::max()))
            return {Price::Kind::TooLarge};
        return {Price::Kind::Number, float(cell.numberValue())};
    }
    if (cell.isEmpty() || cell.isUnreadable())
        return {};
    if (const auto value = NumberForms::readSingle(cell.valueText()))
        return {Price::Kind::Number, *value};
    return {};
}

} // namespace vendara
