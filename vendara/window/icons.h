// The program's pictures: its icon, the toolbar's image list `imlToolbarIcons` and the
// buttons of the help and preview windows. Buttons take their pictures from the desktop's
// icon theme, so that they match the other programs on the desktop, and fall back to the
// pictures shipped inside the program where the theme has none (or there is no theme).
#pragma once

// Qt
#include <QIcon>
#include <QString>

namespace vendara {

class Icons
{
public:
    [[nodiscard]] static QIcon program();
    // A toolbar image by its key: "Excelin", "Excelout", "Palm", "Find", "Pencil", "Add",
    // "Delete", "Help", "Undo", "Redo".
    [[nodiscard]] static QIcon toolbar(const QString &imageKey);
    // The theme's icon name for a toolbar image key; empty for an unknown key.
    [[nodiscard]] static QString themeName(const QString &imageKey);
    // The picture shipped with the program for a toolbar image key.
    [[nodiscard]] static QIcon bundled(const QString &imageKey);
    // A theme icon by its freedesktop name, else `fallback`.
    [[nodiscard]] static QIcon themed(const QString &name, const QIcon &fallback);
    // The resource path of the splash picture.
    [[nodiscard]] static QString splashPicture();
};

} // namespace vendara
