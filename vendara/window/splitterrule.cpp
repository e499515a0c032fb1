#include "splitterrule.h"

#include "common/core/rounding.h"

// std
#include <cmath>

namespace vendara {

std::optional<SplitterRule::Move> SplitterRule::drag(double splitterLeft, double pointerX,
                                                     double innerWidth, double windowWidth)
{
    const double position = splitterLeft + pointerX;
    if (position < EdgeDistance || position > innerWidth - EdgeDistance || windowWidth <= 0)
        return std::nullopt;
    const double percent = std::fabs(position / windowWidth) * 100.0;
    return Move{position, int(common::roundHalfEven(percent))};
}

} // namespace vendara
