#include "documentsfolder.h"

// Qt
#include <QDir>
#include <QStandardPaths>

namespace prompt {

QString documentsFolder()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        return QDir::homePath();
    return folder;
}

} // namespace prompt
