#include "rounding.h"

// std
#include <cmath>

namespace common {

double roundHalfEven(double value, int decimals)
{
    if (!std::isfinite(value))
        return value;
    if (decimals < 0)
        decimals = 0;
    if (decimals > 9)
        decimals = 9;
    const double scale = std::pow(10.0, decimals);
    const double scaled = value * scale;
    if (std::fabs(scaled) >= 4503599627370496.0) // 2^52: already whole
        return value;
    const double floorPart = std::floor(scaled);
    const double fraction = scaled - floorPart;
    // A decimal half read from text rarely lands exactly on .5 once scaled; treat anything
    // within a few units of the last place as the half it was meant to be.
    const double tolerance = 1e-9 * std::fmax(1.0, std::fabs(scaled));
    double rounded;
    if (std::fabs(fraction - 0.5) <= tolerance)
        rounded = std::fmod(floorPart, 2.0) == 0.0 ? floorPart : floorPart + 1.0;
    else
        rounded = fraction < 0.5 ? floorPart : floorPart + 1.0;
    const double result = rounded / scale;
    return result == 0.0 ? 0.0 : result; // no negative zero in texts
}

} // namespace common
