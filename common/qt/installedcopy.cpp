#include "installedcopy.h"

// Qt
#include <QDir>
#include <QFileInfo>

namespace common {

bool isInstalledCopy(const QString &programDir, const QString &writtenFile)
{
    const QDir dir(programDir);
    return !dir.exists(writtenFile)
           && QFileInfo(dir.filePath(QStringLiteral("../share/vendara"))).isDir();
}

} // namespace common
