#include "desktopfixture.h"

#include "common/registry/registryfile.h"

// Qt
#include <QDir>
#include <QFile>

namespace testsupport {

QByteArray usersFileBytes(const std::vector<DesktopUser> &users)
{
    QByteArray bytes;
    bytes.append(char(users.size()));
    bytes.append(12, '\x5A');
    for (size_t i = 0; i < users.size(); ++i) {
        const DesktopUser &u = users[i];
        bytes.append(char(u.id & 0xFF));
        bytes.append(char(u.id >> 8));
        bytes.append("\x00\x00", 2);
        bytes.append(char(u.name.size()));
        bytes.append(u.name);
        bytes.append(char(u.folder.size()));
        bytes.append(u.folder);
        bytes.append('\x09'); // not examined
        bytes.append(u.tail);
        if (i + 1 < users.size())
            bytes.append("\x01\x80", 2);
    }
    return bytes;
}

std::vector<DesktopUser> threeUsers()
{
    return {
        {3, "Anna Smith", "SmithA", QByteArray("\x01\x01\x00\x22", 4)},
        {2, "Demo", "Demo", QByteArray("\x00", 1)},
        {7,
         "Jos\xe9 Garc\xed"
         "a",
         "GarciaJ", QByteArray(40, '\x01')},
    };
}

DesktopFixture::DesktopFixture(const std::vector<DesktopUser> &users, Root root, bool hotSyncKey)
    : mRoot(root)
    , mHotSyncKey(hotSyncKey)
{
    QDir().mkpath(desktopPath());
    for (const DesktopUser &u : users) {
        const QString folder = QString::fromLatin1(u.folder);
        if (!folder.isEmpty() && !folder.contains(QLatin1Char('/')) && folder != QLatin1String(".")
            && folder != QLatin1String(".."))
            // By hand: QDir would take a name starting with ":" for a resource.
            QDir().mkpath(desktopPath() + QLatin1Char('/') + folder + QStringLiteral("/backup"));
    }
    QFile usersFile(QDir(desktopPath()).filePath(QStringLiteral("users.dat")));
    if (usersFile.open(QIODevice::WriteOnly))
        usersFile.write(usersFileBytes(users));
    QFile reg(registryPath());
    if (reg.open(QIODevice::WriteOnly))
        reg.write(registryText());
}

QString DesktopFixture::rootKey() const
{
    return mRoot == Root::USRobotics
               ? QStringLiteral("HKEY_CURRENT_USER\\Software\\U.S. Robotics")
               : QStringLiteral("HKEY_CURRENT_USER\\Software\\Palm Computing");
}

QByteArray DesktopFixture::registryText() const
{
    QString text = registry::RegistryFile::header();
    if (mRoot != Root::None) {
        text += QLatin1Char('[') + rootKey() + QStringLiteral("\\Pilot Desktop\\Core]\r\n");
        text += registry::RegistryFile::stringLine(QStringLiteral("Path"), desktopPath())
                + QStringLiteral("\r\n\r\n");
        if (mHotSyncKey)
            text += QLatin1Char('[') + rootKey()
                    + QStringLiteral("\\Pilot Desktop\\HotSync Manager]\r\n\r\n");
    }
    return text.toUtf8();
}

} // namespace testsupport
