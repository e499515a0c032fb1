#include "windowlayout.h"

#include "vendara/store/numberforms.h"
#include "vendara/store/settingsstore.h"

namespace vendara {

namespace {

const QString kSection = QStringLiteral("Settings");

int whole(double value)
{
    return int(NumberForms::round(value, 0));
}

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

} // namespace vendara
