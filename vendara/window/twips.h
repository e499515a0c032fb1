// Twips, the unit of the stored window layout: 1440 to the inch, converted to pixels with the
// screen's logical dots per inch (15 twips to the pixel at 96 dots per inch).
#pragma once

namespace vendara {

class Twips
{
public:
    explicit Twips(double dotsPerInch = 96.0);

    [[nodiscard]] double dotsPerInch() const { return mDpi; }
    [[nodiscard]] int toPixels(double twips) const;
    [[nodiscard]] double fromPixels(int pixels) const;

private:
    double mDpi;
};

} // namespace vendara
