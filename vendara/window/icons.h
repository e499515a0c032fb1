// The program's pictures: its icon and the toolbar's image list `imlToolbarIcons`.
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
    // "Delete", "Help".
    [[nodiscard]] static QIcon toolbar(const QString &imageKey);
    // The resource path of the splash picture.
    [[nodiscard]] static QString splashPicture();
};

} // namespace vendara
