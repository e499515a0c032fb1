#include "twips.h"

#include "common/core/rounding.h"

namespace vendara {

Twips::Twips(double dotsPerInch)
    : mDpi(dotsPerInch > 0 ? dotsPerInch : 96.0)
{}

int Twips::toPixels(double twips) const
{
    return int(common::roundHalfEven(twips * mDpi / 1440.0));
}

double Twips::fromPixels(int pixels) const
{
    return common::roundHalfEven(pixels * 1440.0 / mDpi, 2);
}

} // namespace vendara
