#include "icons.h"

namespace vendara {

QIcon Icons::program()
{
    return QIcon(QStringLiteral(":/vendara/icons/vendara.svg"));
}

QIcon Icons::toolbar(const QString &imageKey)
{
    return QIcon(QStringLiteral(":/vendara/icons/%1.svg").arg(imageKey.toLower()));
}

QString Icons::splashPicture()
{
    return QStringLiteral(":/vendara/splash.svg");
}

} // namespace vendara
