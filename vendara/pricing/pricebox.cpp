#include "pricebox.h"

#include "vendara/store/numberforms.h"

namespace vendara {

QString PriceBox::reformat(const QString &text)
{
    if (const auto value = NumberForms::readNumber(text))
        return NumberForms::currency(*value);
    return text;
}

} // namespace vendara
