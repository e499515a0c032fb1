#include "icons.h"

// Qt
#include <QHash>

namespace vendara {

namespace {

// Freedesktop icon names of the toolbar's images.
const QHash<QString, QString> &themeNames()
{
    static const QHash<QString, QString> names = {
        {QStringLiteral("Excelin"), QStringLiteral("document-open")},
        {QStringLiteral("Excelout"), QStringLiteral("document-save-as")},
        {QStringLiteral("Palm"), QStringLiteral("pda")},
        {QStringLiteral("Find"), QStringLiteral("edit-find")},
        {QStringLiteral("Pencil"), QStringLiteral("document-edit")},
        {QStringLiteral("Add"), QStringLiteral("list-add")},
        {QStringLiteral("Delete"), QStringLiteral("edit-delete")},
        {QStringLiteral("Help"), QStringLiteral("help-contents")},
        {QStringLiteral("Undo"), QStringLiteral("edit-undo")},
        {QStringLiteral("Redo"), QStringLiteral("edit-redo")},
    };
    return names;
}

} // namespace

QIcon Icons::program()
{
    return QIcon(QStringLiteral(":/vendara/icons/vendara.svg"));
}

QIcon Icons::toolbar(const QString &imageKey)
{
    return themed(themeName(imageKey), bundled(imageKey));
}

QString Icons::themeName(const QString &imageKey)
{
    return themeNames().value(imageKey);
}

QIcon Icons::bundled(const QString &imageKey)
{
    return QIcon(QStringLiteral(":/vendara/icons/%1.svg").arg(imageKey.toLower()));
}

QIcon Icons::themed(const QString &name, const QIcon &fallback)
{
    if (name.isEmpty() || !QIcon::hasThemeIcon(name))
        return fallback;
    return QIcon::fromTheme(name);
}

QString Icons::splashPicture()
{
    return QStringLiteral(":/vendara/splash.svg");
}

} // namespace vendara
