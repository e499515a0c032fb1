// The texts of the help and the about box, kept together so that tests can check them
// exactly.
#pragma once

// Qt
#include <QString>

namespace vendara::texts {

inline QString helpCaption()
{
    return QStringLiteral("Vendara Help");
}
inline QString helpFolderMissing(const QString &folder)
{
    return QStringLiteral("The help pages cannot be found: the folder \"%1\" does not exist. "
                          "Installing Vendara again puts them back.")
        .arg(folder);
}
inline QString helpContentsMissing(const QString &file)
{
    return QStringLiteral("The help pages cannot be found: their contents list \"%1\" does not "
                          "exist. Installing Vendara again puts it back.")
        .arg(file);
}
inline QString helpContentsUnreadable(const QString &file, const QString &reason)
{
    return QStringLiteral("The help contents \"%1\" cannot be read: %2").arg(file, reason);
}
inline QString helpTopicMissing(int contextId)
{
    return QStringLiteral("The help has no topic number %1; the contents are shown instead.")
        .arg(contextId);
}
inline QString helpNoSearchHits()
{
    return QStringLiteral("No topics found.");
}

// About box.
inline QString aboutCaption()
{
    return QStringLiteral("About Vendara");
}
inline QString aboutDescription()
{
    return QStringLiteral("Product Encyclopedia for Your Palmpilot");
}
inline QString sysInfoUnavailable()
{
    return QStringLiteral("System Information Is Unavailable At This Time");
}

} // namespace vendara::texts
