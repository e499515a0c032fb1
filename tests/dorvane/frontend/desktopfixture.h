// A handheld desktop in a temporary folder: the registry file, the users file and the
// users' folders, built the way the desktop software lays them out.
#pragma once

// Qt
#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// std
#include <vector>

namespace testsupport {

struct DesktopUser
{
    quint16 id = 0;
    QByteArray name;                                         // Windows-1252
    QByteArray folder;                                       // Windows-1252
    QByteArray tail = QByteArray("\x00\x07\x01\x01\x02", 5); // the uninterpreted rest
};

// The users file: the count, 12 bytes, then the entries, each but the last ended by the
// pair 0x01 0x80 after `tail`.
[[nodiscard]] QByteArray usersFileBytes(const std::vector<DesktopUser> &users);

class DesktopFixture
{
public:
    enum class Root { USRobotics, PalmComputing, None };

    // Writes the registry file (with the HotSync Manager key unless told otherwise), the
    // users file and each user's folder.
    explicit DesktopFixture(const std::vector<DesktopUser> &users, Root root = Root::PalmComputing,
                            bool hotSyncKey = true);

    [[nodiscard]] QString registryPath() const
    {
        return mDir.filePath(QStringLiteral("registry.reg"));
    }
    [[nodiscard]] QString desktopPath() const { return mDir.filePath(QStringLiteral("Palm")); }
    [[nodiscard]] QString folder() const { return mDir.path(); }
    [[nodiscard]] QString rootKey() const;
    [[nodiscard]] QByteArray registryText() const;

private:
    QTemporaryDir mDir;
    Root mRoot;
    bool mHotSyncKey;
};

[[nodiscard]] std::vector<DesktopUser> threeUsers();

} // namespace testsupport
