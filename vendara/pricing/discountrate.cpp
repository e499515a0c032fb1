#include "discountrate.h"

namespace vendara {

namespace {

struct Entry
{
    const char *text;
    float rate;
};

constexpr Entry kEntries[] = {{"1%", 0.01f}, {"2%", 0.02f},  {"3%", 0.03f},  {"4%", 0.04f},
                              {"5%", 0.05f}, {"6%", 0.06f},  {"7%", 0.07f},  {"8%", 0.08f},
                              {"9%", 0.09f}, {"10%", 0.10f}, {"15%", 0.15f}, {"20%", 0.20f},
                              {"25%", 0.25f}};

} // namespace

QStringList DiscountRate::entries()
{
    QStringList list;
    for (const Entry &entry : kEntries)
        list.append(QLatin1String(entry.text));
    return list;
}

float DiscountRate::rate(const QString &entry)
{
    for (const Entry &known : kEntries) {
        if (entry == QLatin1String(known.text))
            return known.rate;
    }
    return 0.0f;
}

} // namespace vendara
