#include "desktopfixture.h"

#include "dorvane/frontend/tuserdata.h"
#include "tests/support/scriptedprompter.h"
#include "tests/support/writefault.h"

#include "common/registry/registryfile.h"

// Qt
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

// std
#include <cerrno>

#include <gtest/gtest.h>

namespace {

using dorvane::TUserData;
using testsupport::DesktopFixture;
using testsupport::DesktopUser;
using testsupport::ScriptedPrompter;

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TEST(UsersFile, EntriesAreFoundByTheEndPairWhateverLiesBetween)
{
    const auto parsed =
        dorvane::parseUsersFile(testsupport::usersFileBytes(testsupport::threeUsers()));
    EXPECT_TRUE(parsed.complete);
    ASSERT_EQ(parsed.users.size(), 3u);
    EXPECT_EQ(parsed.users[0].id, 3);
    EXPECT_EQ(parsed.users[0].name, QStringLiteral("Anna Smith"));
    EXPECT_EQ(parsed.users[0].folder, QStringLiteral("SmithA"));
    EXPECT_EQ(parsed.users[1].id, 2);
    EXPECT_EQ(parsed.users[1].folder, QStringLiteral("Demo"));
    // Names are Windows-1252 on disk; the tail of 0x01 bytes before the pair is skipped.
    EXPECT_EQ(parsed.users[2].name, QStringLiteral("Jos\u00e9 Garc\u00eda"));
    EXPECT_EQ(parsed.users[2].id, 7);
}

TEST(UsersFile, ScanTakesBytesInPairsAfterAnOne)
{
    // 0x01 0x01 0x80: the second 0x01 is read as the partner of the first, so the pair is
    // not found there; the entry ends at the later 0x01 0x80.
    std::vector<DesktopUser> users = {{1, "A", "a", QByteArray("\x01\x01\x80\x55\x01\x80", 6)},
                                      {9, "B", "b", QByteArray()}};
    QByteArray bytes = testsupport::usersFileBytes(users);
    // Remove the pair that the helper adds: the tail's own second pair must end the entry.
    const qsizetype tailEnd = bytes.indexOf(QByteArray("\x55\x01\x80", 3)) + 3;
    bytes.remove(tailEnd, 2);
    const auto parsed = dorvane::parseUsersFile(bytes);
    ASSERT_TRUE(parsed.complete);
    ASSERT_EQ(parsed.users.size(), 2u);
    EXPECT_EQ(parsed.users[1].id, 9);
    EXPECT_EQ(parsed.users[1].name, QStringLiteral("B"));
}

TEST(UsersFile, ShortOrEmptyFilesGiveWhatWasRead)
{
    EXPECT_TRUE(dorvane::parseUsersFile(QByteArray()).users.empty());
    const QByteArray full = testsupport::usersFileBytes(testsupport::threeUsers());
    const auto cut = dorvane::parseUsersFile(full.left(full.indexOf("GarciaJ")));
    EXPECT_FALSE(cut.complete);
    EXPECT_EQ(cut.declaredCount, 3);
    EXPECT_EQ(cut.users.size(), 2u);
    const auto none = dorvane::parseUsersFile(QByteArray(1, '\0'));
    EXPECT_TRUE(none.complete);
    EXPECT_TRUE(none.users.empty());
}

TEST(UsersFile, OnlyTheLastEntryMayEndAtItsFolderName)
{
    // One user, the file ending right after the folder name.
    QByteArray one(1, '\x01');
    one.append(12, '\x5A');
    one.append(QByteArrayLiteral("\x05\x00\x00\x00\x04"
                                 "Anna\x04"
                                 "Anna"));
    const auto single = dorvane::parseUsersFile(one);
    EXPECT_TRUE(single.complete);
    ASSERT_EQ(single.users.size(), 1u);
    EXPECT_EQ(single.users[0].id, 5);
    EXPECT_EQ(single.users[0].name, QStringLiteral("Anna"));
    EXPECT_EQ(single.users[0].folder, QStringLiteral("Anna"));

    const QByteArray full = testsupport::usersFileBytes(testsupport::threeUsers());
    const QByteArray lastFolder = QByteArrayLiteral("\x07GarciaJ");
    const auto three =
        dorvane::parseUsersFile(full.left(full.indexOf(lastFolder) + lastFolder.size()));
    EXPECT_TRUE(three.complete);
    ASSERT_EQ(three.users.size(), 3u);
    EXPECT_EQ(three.users[2].folder, QStringLiteral("GarciaJ"));

    // An earlier entry cut there has no way on to the next one: the file ends early.
    const QByteArray secondFolder = QByteArrayLiteral("\x04"
                                                      "Demo\x09");
    const auto cut =
        dorvane::parseUsersFile(full.left(full.indexOf(secondFolder) + secondFolder.size() - 1));
    EXPECT_FALSE(cut.complete);
    EXPECT_EQ(cut.declaredCount, 3);
    EXPECT_EQ(cut.users.size(), 1u);
}

TEST(UserData, EitherRootKeyGivesTheUsersInFileOrder)
{
    for (const auto root :
         {DesktopFixture::Root::USRobotics, DesktopFixture::Root::PalmComputing}) {
        DesktopFixture desktop(testsupport::threeUsers(), root);
        ScriptedPrompter prompter;
        TUserData users(prompter, desktop.registryPath());
        EXPECT_TRUE(prompter.prompts().isEmpty());
        EXPECT_EQ(users.GetDesktopPath(), desktop.desktopPath());
        ASSERT_EQ(users.GetUserCount(), 3);
        EXPECT_EQ(users.userNames(),
                  QStringList({QStringLiteral("Anna Smith"), QStringLiteral("Demo"),
                               QStringLiteral("Jos\u00e9 Garc\u00eda")}));
        EXPECT_EQ(users.GetUserId(2), 7);
        EXPECT_EQ(users.GetUserFolder(1), QStringLiteral("Demo"));
        EXPECT_EQ(users.GetUserId(3), 0);
        EXPECT_EQ(users.GetUserName(-1), QString());
        EXPECT_EQ(users.backupFolder(1), desktop.desktopPath() + QStringLiteral("/Demo/backup"));
    }
}

TEST(UserData, MissingDesktopSoftwareIsToldOnceAndGivesNoUsers)
{
    DesktopFixture desktop(testsupport::threeUsers(), DesktopFixture::Root::None);
    ScriptedPrompter prompter;
    TUserData users(prompter, desktop.registryPath());
    EXPECT_EQ(users.GetUserCount(), 0);
    ASSERT_EQ(prompter.prompts().size(), 1);
    EXPECT_EQ(prompter.prompts()[0].text,
              QStringLiteral("The PalmPilot Desktop software is not correctly installed."));
    EXPECT_EQ(prompter.prompts()[0].caption, QStringLiteral("Quirra Desktop"));
    EXPECT_EQ(prompter.prompts()[0].icon, prompt::Icon::Critical);
    EXPECT_EQ(prompter.prompts()[0].buttons, prompt::Buttons::Ok);
    EXPECT_FALSE(users.InstallFile(0, desktop.registryPath()));

    // A root key without the Core key or its Path: no users and no message.
    QTemporaryDir dir;
    const QString reg = dir.filePath(QStringLiteral("r.reg"));
    writeFile(
        reg,
        "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\U.S. Robotics\\Pilot Desktop\\Core]\r\n");
    ScriptedPrompter quiet;
    TUserData none(quiet, reg);
    EXPECT_EQ(none.GetUserCount(), 0);
    EXPECT_TRUE(quiet.prompts().isEmpty());
}

TEST(UserData, UnreadableOrShortUsersFileIsReported)
{
    DesktopFixture desktop(testsupport::threeUsers());
    const QString usersPath = desktop.desktopPath() + QStringLiteral("/users.dat");
    const QByteArray full = readAll(usersPath);
    writeFile(usersPath, full.left(full.size() - 50));
    ScriptedPrompter prompter;
    TUserData users(prompter, desktop.registryPath());
    EXPECT_EQ(users.GetUserCount(), 2);
    ASSERT_EQ(prompter.messageTexts().size(), 1);
    EXPECT_EQ(prompter.messageTexts()[0],
              QStringLiteral("The handheld users file %1 ends early: 2 of its 3 users are listed.")
                  .arg(usersPath));

    // The last user's folder name ends the file: every user is there, nothing to say.
    writeFile(usersPath, full.left(full.lastIndexOf("GarciaJ") + 7));
    ScriptedPrompter quiet;
    TUserData all(quiet, desktop.registryPath());
    EXPECT_EQ(all.GetUserCount(), 3);
    EXPECT_TRUE(quiet.prompts().isEmpty());

    // A missing file and an empty one (not even the count) cannot be read.
    const QString unreadable =
        QStringLiteral("The handheld users file %1 cannot be read, so no users are listed.")
            .arg(usersPath);
    writeFile(usersPath, QByteArray());
    ScriptedPrompter empty;
    TUserData noneListed(empty, desktop.registryPath());
    EXPECT_EQ(noneListed.GetUserCount(), 0);
    EXPECT_EQ(empty.messageTexts(), QStringList(unreadable));

    QFile::remove(usersPath);
    ScriptedPrompter again;
    TUserData none(again, desktop.registryPath());
    EXPECT_EQ(none.GetUserCount(), 0);
    EXPECT_EQ(again.messageTexts(), QStringList(unreadable));
}

class InstallTest : public ::testing::Test
{
protected:
    QString makeFile(const QString &name, const QByteArray &bytes)
    {
        const QString path = mOut.filePath(name);
        writeFile(path, bytes);
        return path;
    }
    QTemporaryDir mOut;
};

TEST_F(InstallTest, CopiesIntoTheInstallFolderAndMarksTheUser)
{
    DesktopFixture desktop(testsupport::threeUsers());
    ScriptedPrompter prompter;
    TUserData users(prompter, desktop.registryPath());
    const QString file = makeFile(QStringLiteral("Stock.pdb"), "first");
    const QString target = desktop.desktopPath() + QStringLiteral("/Demo/Install/Stock.pdb");
    EXPECT_FALSE(QDir(desktop.desktopPath() + QStringLiteral("/Demo/Install")).exists());

    ASSERT_TRUE(users.InstallFile(1, file));
    EXPECT_EQ(readAll(target), QByteArray("first"));
    registry::RegistryFile reg;
    ASSERT_TRUE(reg.load(desktop.registryPath()).ok());
    const QString hotSync = desktop.rootKey() + QStringLiteral("\\Pilot Desktop\\HotSync Manager");
    EXPECT_EQ(reg.dwordValue(hotSync, QStringLiteral("Install2")), 1u);
    EXPECT_FALSE(reg.dwordValue(hotSync, QStringLiteral("Install3")).has_value());

    // A file of the same name is replaced.
    writeFile(file, "second, longer");
    ASSERT_TRUE(users.InstallFile(1, file));
    EXPECT_EQ(readAll(target), QByteArray("second, longer"));
    EXPECT_TRUE(prompter.prompts().isEmpty());
}

TEST_F(InstallTest, NothingIsInstalledWhereNoUserOrFolderFits)
{
    std::vector<DesktopUser> list = testsupport::threeUsers();
    list.push_back({4, "Escaper", "..", {}});
    list.push_back({5, "Slash", "a/b", {}});
    DesktopFixture desktop(list);
    ScriptedPrompter prompter;
    TUserData users(prompter, desktop.registryPath());
    ASSERT_EQ(users.GetUserCount(), 5);
    const QString file = makeFile(QStringLiteral("x.pdb"), "x");
    // An index beyond the list does not fall back to a folder "Install" in the desktop
    // folder.
    EXPECT_FALSE(users.InstallFile(5, file));
    EXPECT_FALSE(users.InstallFile(-1, file));
    EXPECT_FALSE(QDir(desktop.desktopPath() + QStringLiteral("/Install")).exists());
    // Folder names that would leave the desktop folder are listed but never used.
    EXPECT_EQ(users.GetUserName(3), QStringLiteral("Escaper"));
    EXPECT_FALSE(users.InstallFile(3, file));
    EXPECT_FALSE(users.InstallFile(4, file));
    EXPECT_TRUE(users.backupFolder(3).isEmpty());
    EXPECT_FALSE(QFile::exists(desktop.folder() + QStringLiteral("/Install/x.pdb")));
    // A missing source file.
    EXPECT_FALSE(users.InstallFile(0, mOut.filePath(QStringLiteral("missing.pdb"))));
    EXPECT_TRUE(prompter.prompts().isEmpty());
}

TEST_F(InstallTest, MissingKeysAtInstallTime)
{
    DesktopFixture desktop(testsupport::threeUsers(), DesktopFixture::Root::PalmComputing, false);
    ScriptedPrompter prompter;
    TUserData users(prompter, desktop.registryPath());
    const QString file = makeFile(QStringLiteral("a.pdb"), "a");
    const QByteArray before = readAll(desktop.registryPath());
    // Without the HotSync Manager key the copy is made but the user is not marked.
    EXPECT_FALSE(users.InstallFile(0, file));
    EXPECT_TRUE(QFile::exists(desktop.desktopPath() + QStringLiteral("/SmithA/Install/a.pdb")));
    EXPECT_EQ(readAll(desktop.registryPath()), before);
    EXPECT_TRUE(prompter.prompts().isEmpty());

    // The desktop software's keys vanished after start-up.
    writeFile(desktop.registryPath(), "REGEDIT4\r\n");
    EXPECT_FALSE(users.InstallFile(0, file));
    ASSERT_EQ(prompter.prompts().size(), 1);
    EXPECT_EQ(prompter.prompts()[0].text,
              QStringLiteral("The Pilot DeskTop Software is not Correctly Installed"));
    EXPECT_EQ(prompter.prompts()[0].caption, QStringLiteral("Tavrelle"));
    EXPECT_EQ(prompter.prompts()[0].icon, prompt::Icon::Critical);
}

TEST_F(InstallTest, EveryUserFolderIsAChildOfTheDesktopFolder)
{
    // Qt takes a path starting with ":" for one of its resources: such a folder name must
    // still name a folder inside the desktop folder, never one beside the program.
    std::vector<DesktopUser> list = {{1, "Resource", ":evil", {}},
                                     {2, "Dots", "...", {}},
                                     {3, "Dot", ".", {}}};
    DesktopFixture desktop(list);
    ScriptedPrompter prompter;
    TUserData users(prompter, desktop.registryPath());
    ASSERT_EQ(users.GetUserCount(), 3);
    const QString desk = QDir::cleanPath(desktop.desktopPath());
    EXPECT_EQ(users.userFolderPath(0), desk + QStringLiteral("/:evil"));
    EXPECT_EQ(users.backupFolder(0), desk + QStringLiteral("/:evil/backup"));
    EXPECT_EQ(users.userFolderPath(1), desk + QStringLiteral("/..."));
    EXPECT_TRUE(users.userFolderPath(2).isEmpty());

    const QString file = makeFile(QStringLiteral("x.pdb"), "x");
    ASSERT_TRUE(users.InstallFile(0, file));
    EXPECT_EQ(readAll(desk + QStringLiteral("/:evil/Install/x.pdb")), QByteArray("x"));
    EXPECT_FALSE(QFileInfo::exists(QDir::currentPath() + QStringLiteral("/:evil")));
    EXPECT_FALSE(users.InstallFile(2, file));
    EXPECT_FALSE(QFileInfo::exists(desk + QStringLiteral("/Install")));

    // A file whose name is not a name (a path ending in "..") is not installed anywhere.
    EXPECT_FALSE(users.InstallFile(1, mOut.path() + QStringLiteral("/..")));
}

TEST_F(InstallTest, ACopyThatFailsLeavesTheOldFileAndMarksNobody)
{
    using Step = common::SafeFile::Step;
    DesktopFixture desktop(testsupport::threeUsers());
    ScriptedPrompter prompter;
    TUserData users(prompter, desktop.registryPath());
    const QString file = makeFile(QStringLiteral("Stock.pdb"), "new");
    const QString install = desktop.desktopPath() + QStringLiteral("/Demo/Install");
    ASSERT_TRUE(QDir().mkpath(install));
    writeFile(install + QStringLiteral("/Stock.pdb"), "old");
    const QByteArray registry = readAll(desktop.registryPath());
    for (const Step step : {Step::Open, Step::Write, Step::Flush, Step::Rename}) {
        testsupport::WriteFault fault(step, ENOSPC, "Stock.pdb");
        EXPECT_FALSE(users.InstallFile(1, file));
        EXPECT_TRUE(fault.struck());
        EXPECT_EQ(readAll(install + QStringLiteral("/Stock.pdb")), QByteArray("old"));
        EXPECT_EQ(QDir(install).entryList(QDir::Files | QDir::Hidden),
                  QStringList(QStringLiteral("Stock.pdb")));
        EXPECT_EQ(readAll(desktop.registryPath()), registry);
    }
    // The mark that could not be written: the copy is there, the registry file as it was.
    testsupport::WriteFault fault(Step::Rename, EIO, "registry.reg");
    EXPECT_FALSE(users.InstallFile(1, file));
    EXPECT_EQ(readAll(install + QStringLiteral("/Stock.pdb")), QByteArray("new"));
    EXPECT_EQ(readAll(desktop.registryPath()), registry);
    EXPECT_TRUE(prompter.prompts().isEmpty());
}

} // namespace
