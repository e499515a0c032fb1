#include "windowlayout.h"

#include "twips.h"

#include "vendara/store/numberforms.h"
#include "vendara/store/settingsstore.h"

// Qt
#include <QRect>
#include <QStringList>

// std
#include <cmath>

namespace vendara {

namespace {

const QString kSection = QStringLiteral("Settings");

int whole(double value)
{
    return int(NumberForms::round(value, 0));
}

const QStringList kPlaceKeys = {QStringLiteral("MainLeft"), QStringLiteral("MainTop"),
                                QStringLiteral("MainWidth"), QStringLiteral("MainHeight")};

} // namespace

WindowLayout WindowLayout::read(const SettingsStore &settings)
{
    WindowLayout layout;
    layout.left = settings.number(kSection, QStringLiteral("MainLeft"), layout.left);
    layout.top = settings.number(kSection, QStringLiteral("MainTop"), layout.top);
    layout.width = settings.number(kSection, QStringLiteral("MainWidth"), layout.width);
    layout.height = settings.number(kSection, QStringLiteral("MainHeight"), layout.height);
    layout.screenSplit =
        whole(settings.number(kSection, QStringLiteral("ScreenSplit"), layout.screenSplit));
    layout.colWidth = whole(settings.number(kSection, QStringLiteral("Colwidth"), layout.colWidth));
    if (layout.screenSplit == 0)
        layout.screenSplit = 50;
    return layout;
}

void WindowLayout::write(SettingsStore &settings) const
{
    settings.setNumber(kSection, QStringLiteral("MainLeft"), left);
    settings.setNumber(kSection, QStringLiteral("MainTop"), top);
    settings.setNumber(kSection, QStringLiteral("MainWidth"), width);
    settings.setNumber(kSection, QStringLiteral("MainHeight"), height);
    settings.setNumber(kSection, QStringLiteral("ScreenSplit"), screenSplit);
    settings.setNumber(kSection, QStringLiteral("Colwidth"), colWidth);
}

bool WindowLayout::isStored(const SettingsStore &settings)
{
    for (const QString &key : kPlaceKeys) {
        if (settings.contains(kSection, key))
            return true;
    }
    return false;
}

WindowLayout WindowLayout::firstStart(const QRect &available, const Twips &twips)
{
    WindowLayout layout;
    if (available.isEmpty())
        return layout;
    // Two thirds of the area: each side shrunk by the square root of two thirds.
    const double side = std::sqrt(2.0 / 3.0);
    const int width = int(std::lround(available.width() * side));
    const int height = int(std::lround(available.height() * side));
    layout.left = twips.fromPixels(available.left() + (available.width() - width) / 2);
    layout.top = twips.fromPixels(available.top() + (available.height() - height) / 2);
    layout.width = twips.fromPixels(width);
    layout.height = twips.fromPixels(height);
    return layout;
}

} // namespace vendara
