#include "quantityorder.h"

#include "vendara/store/numberforms.h"

// std
#include <optional>

namespace vendara {

namespace {

struct Key
{
    int group = 0; // 0: a number, 1: a text that is not one, 2: empty
    double value = 0.0;
};

Key keyOf(const Cell &cell)
{
    if (cell.isEmpty())
        return {2, 0.0};
    if (cell.isNumber())
        return {0, double(cell.number())};
    if (const std::optional<double> value = NumberForms::readNumber(cell.text()))
        return {0, *value};
    return {1, 0.0};
}

} // namespace

int QuantityOrder::compare(const Cell &a, const Cell &b)
{
    const Key ka = keyOf(a);
    const Key kb = keyOf(b);
    if (ka.group != kb.group)
        return ka.group < kb.group ? -1 : 1;
    if (ka.value != kb.value)
        return ka.value < kb.value ? -1 : 1;
    return 0;
}

} // namespace vendara
