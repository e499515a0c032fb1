// The handheld desktop's users file "users.dat", alone and as the converter reads it through
// the registry file: every user's name, id and folders.
#include "fuzzsupport.h"

#include "dorvane/frontend/consoleprompter.h"
#include "dorvane/frontend/tuserdata.h"

// Qt
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

namespace fuzz {

void readUsers(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView bytes(data, qsizetype(size));
    const dorvane::UsersFileContents contents = dorvane::parseUsersFile(bytes);
    require(contents.users.size() <= std::size_t(std::max(contents.declaredCount, 0)),
            "no more users than the file declares");

    const QString usersFile = scratchFile(QStringLiteral("users.dat"), bytes);
    const QString desktop = QFileInfo(usersFile).absolutePath();
    QString escaped = desktop;
    escaped.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    const QByteArray registry = "Windows Registry Editor Version 5.00\r\n\r\n"
                                "[HKEY_CURRENT_USER\\Software\\Palm Computing\\Pilot Desktop\\Core]"
                                "\r\n\"Path\"=\""
                                + escaped.toUtf8() + "\"\r\n";
    QString errors;
    QTextStream errorStream(&errors);
    dorvane::ConsolePrompter prompter(&errorStream);
    const dorvane::TUserData users(prompter, scratchFile(QStringLiteral("registry.reg"), registry));
    for (int i = 0; i < users.GetUserCount(); ++i) {
        (void)users.GetUserId(i);
        (void)users.GetUserName(i);
        (void)users.userFolderPath(i);
        (void)users.backupFolder(i);
    }
}

} // namespace fuzz
