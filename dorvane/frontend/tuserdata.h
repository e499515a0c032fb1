// The handheld users of the Palm desktop software and installing a file for one of them.
//
// The desktop software keeps its folder in the registry value "Path" of
// Software\U.S. Robotics\Pilot Desktop\Core (or Software\Palm Computing\...), a users file
// "users.dat" in that folder, and one folder per user below it with "Install" (files that the
// next HotSync carries to the handheld) and "backup" (the desktop copies of the handheld's
// databases). Installing a file copies it into the user's Install folder and sets the DWORD
// value "Install<id>" of the HotSync Manager key to 1.
#pragma once

// Qt
#include <QByteArrayView>
#include <QString>
#include <QStringList>

// std
#include <vector>

namespace prompt {
class Prompter;
}
namespace registry {
class RegistryFile;
}

namespace dorvane {

struct UserEntry
{
    quint16 id = 0;
    QString name;
    QString folder; // below the desktop path
};

struct UsersFileContents
{
    std::vector<UserEntry> users;
    int declaredCount = 0; // the count byte at the start of the file
    bool complete = false; // every declared entry was read
};

// The users file, byte for byte: the count at offset 0, the first entry at offset 13 (id,
// two bytes not read, name and folder each after a length byte, one byte not examined), and
// every entry but the last ended by the pair 0x01 0x80. The last entry may end right after
// its folder name. Names are Windows-1252.
[[nodiscard]] UsersFileContents parseUsersFile(QByteArrayView bytes);

class TUserData
{
public:
    // Reads the registry file and the users file once. A missing desktop software is told
    // through `prompter`; the list is then empty.
    TUserData(prompt::Prompter &prompter, QString registryPath);

    [[nodiscard]] int GetUserCount() const { return int(mUsers.size()); }
    [[nodiscard]] const QString &GetDesktopPath() const { return mDesktopPath; }
    // 0 or empty text for an index outside the list.
    [[nodiscard]] quint16 GetUserId(int index) const;
    [[nodiscard]] QString GetUserName(int index) const;
    [[nodiscard]] QString GetUserFolder(int index) const;
    [[nodiscard]] QStringList userNames() const;

    // The user's own folder, a child of the desktop folder, or empty text when the index is
    // outside the list or the folder name from the users file would not make one ("/", ".",
    // ".."): such a user is listed but nothing is read from or written to its folder. A name
    // starting with ":" is a folder like any other, not one of Qt's resources.
    [[nodiscard]] QString userFolderPath(int index) const;
    [[nodiscard]] QString backupFolder(int index) const; // empty text as above

    // Copies `file` into the user's Install folder (replacing a file of the same name) and
    // marks the user for the next HotSync. False when nothing or not all of it was done.
    bool InstallFile(int index, const QString &file);

    // Root keys of the desktop software, tried in this order.
    [[nodiscard]] static QStringList rootKeys();

private:
    // Loads the registry file and finds the desktop software's root key; without one, shows
    // `notInstalled` (with the file's own problem, if any) and gives empty text.
    QString openDesktopKey(registry::RegistryFile &reg, const QString &notInstalled,
                           const QString &caption);

    prompt::Prompter &mPrompter;
    QString mRegistryPath;
    QString mDesktopPath;
    std::vector<UserEntry> mUsers;
};

} // namespace dorvane
