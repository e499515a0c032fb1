// The percentage discounts a salesperson can grant on a quote, as the discount dialogs list
// them, and the rate each entry stands for.
#pragma once

// Qt
#include <QStringList>

namespace vendara {

class DiscountRate
{
public:
    // "1%" to "10%", "15%", "20%", "25%", in that order; the first is preselected.
    [[nodiscard]] static QStringList entries();
    // The rate of an entry ("15%" gives 0.15); 0, which brings lines back to their list price,
    // for "List Price" or any other text.
    [[nodiscard]] static float rate(const QString &entry);
};

} // namespace vendara
