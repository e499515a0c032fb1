#include "tests/support/scriptedprompter.h"
#include "vendara/store/passwordcommand.h"
#include "vendara/store/settingsstore.h"

// Qt
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

// POSIX
#include <sys/stat.h>

#include <gtest/gtest.h>

namespace {

using vendara::SettingsStore;

class SettingsStoreTest : public ::testing::Test
{
protected:
    void SetUp() override { QFile::remove(mStore.fileName()); }
    void TearDown() override
    {
        QDir().rmdir(mStore.fileName());
        QFile::remove(mStore.fileName());
    }
    static unsigned mode(const QString &path)
    {
        struct stat status
        {
        };
        return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_mode & 0777
                                                                         : 01000;
    }
    static ino_t inode(const QString &path)
    {
        struct stat status
        {
        };
        return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_ino : 0;
    }

    SettingsStore mStore;
};

TEST_F(SettingsStoreTest, LivesInTheUsersConfigurationFolderUnderTheProgramsTitle)
{
    EXPECT_TRUE(mStore.fileName().endsWith(QStringLiteral("/Vendara LITE/Vendara LITE.ini")));
    EXPECT_TRUE(mStore.fileName().startsWith(qEnvironmentVariable("XDG_CONFIG_HOME")));
}

TEST_F(SettingsStoreTest, MissingKeysGiveTheReadersDefault)
{
    EXPECT_EQ(mStore.value(QStringLiteral("Settings"), QStringLiteral("UserPassword")), QString());
    EXPECT_EQ(mStore.value(QStringLiteral("Settings"), QStringLiteral("MainLeft"),
                           QStringLiteral("1000")),
              QStringLiteral("1000"));
    EXPECT_EQ(mStore.number(QStringLiteral("Settings"), QStringLiteral("MainLeft"), 1000), 1000);
}

TEST_F(SettingsStoreTest, SectionAndKeyMatchWithoutRegardToCase)
{
    mStore.setValue(QStringLiteral("settings"), QStringLiteral("noincludes"), QStringLiteral("1"));
    EXPECT_EQ(mStore.value(QStringLiteral("Settings"), QStringLiteral("NoIncludes")),
              QStringLiteral("1"));
    // A writer with other spelling changes the same value rather than adding a second one.
    mStore.setValue(QStringLiteral("Settings"), QStringLiteral("NoIncludes"), QStringLiteral("0"));
    EXPECT_EQ(mStore.value(QStringLiteral("SETTINGS"), QStringLiteral("NOINCLUDES")),
              QStringLiteral("0"));
    QSettings raw(mStore.fileName(), QSettings::IniFormat);
    EXPECT_EQ(raw.allKeys(), QStringList(QStringLiteral("settings/noincludes")));
    mStore.remove(QStringLiteral("Settings"), QStringLiteral("NoIncludes"));
    EXPECT_FALSE(mStore.contains(QStringLiteral("settings"), QStringLiteral("noincludes")));
}

TEST_F(SettingsStoreTest, ValuesAreTextWrittenAtOnce)
{
    mStore.setValue(QStringLiteral("Settings"), QStringLiteral("UserPassword"),
                    QStringLiteral("Secret, with comma; and = sign"));
    // Another store (another process) sees it at once.
    EXPECT_EQ(SettingsStore().value(QStringLiteral("Settings"), QStringLiteral("UserPassword")),
              QStringLiteral("Secret, with comma; and = sign"));
    QFile file(mStore.fileName());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("[Settings]"));

    mStore.setNumber(QStringLiteral("Settings"), QStringLiteral("MainWidth"), 9000);
    EXPECT_EQ(mStore.value(QStringLiteral("Settings"), QStringLiteral("MainWidth")),
              QStringLiteral("9000"));
    mStore.setValue(QStringLiteral("Settings"), QStringLiteral("MainWidth"),
                    QStringLiteral("wide"));
    EXPECT_EQ(mStore.number(QStringLiteral("Settings"), QStringLiteral("MainWidth"), 9000), 9000);
}

TEST_F(SettingsStoreTest, TheFileWithThePasswordIsReadableByItsOwnerOnly)
{
    const QString folder = QFileInfo(mStore.fileName()).absolutePath();
    QDir(folder).removeRecursively();
    ASSERT_TRUE(mStore.setValue(QStringLiteral("Settings"), QStringLiteral("UserPassword"),
                                QStringLiteral("Secret")));
    EXPECT_EQ(mode(mStore.fileName()), 0600u);
    EXPECT_EQ(mode(folder), 0700u);

    // Each write replaces the file (a new one renamed over it) and keeps the mode.
    const ino_t before = inode(mStore.fileName());
    ASSERT_TRUE(mStore.setNumber(QStringLiteral("Settings"), QStringLiteral("MainLeft"), 1000));
    EXPECT_NE(inode(mStore.fileName()), before);
    EXPECT_EQ(mode(mStore.fileName()), 0600u);
    ASSERT_TRUE(mStore.remove(QStringLiteral("Settings"), QStringLiteral("MainLeft")));
    EXPECT_EQ(mode(mStore.fileName()), 0600u);

    // A file others could read, from an older copy, is taken back when the program starts.
    ASSERT_TRUE(QFile::setPermissions(mStore.fileName(), QFile::ReadOwner | QFile::WriteOwner
                                                             | QFile::ReadGroup
                                                             | QFile::ReadOther));
    EXPECT_EQ(mode(mStore.fileName()), 0644u);
    const SettingsStore starting;
    EXPECT_EQ(mode(starting.fileName()), 0600u);
    EXPECT_EQ(starting.value(QStringLiteral("Settings"), QStringLiteral("UserPassword")),
              QStringLiteral("Secret"));
}

TEST_F(SettingsStoreTest, AValueThatCannotBeWrittenIsAFailureAndThePasswordCommandSaysSo)
{
    ASSERT_TRUE(mStore.setValue(QStringLiteral("Settings"), QStringLiteral("UserPassword"),
                                QStringLiteral("Old")));
    // A folder where the file should be: it cannot be replaced, not even by the superuser.
    ASSERT_TRUE(QFile::remove(mStore.fileName()));
    ASSERT_TRUE(QDir().mkdir(mStore.fileName()));
    const common::Status failed = mStore.setValue(
        QStringLiteral("Settings"), QStringLiteral("NoIncludes"), QStringLiteral("1"));
    EXPECT_FALSE(failed);
    EXPECT_EQ(failed.message(), "Cannot write " + mStore.fileName().toStdString());

    testsupport::ScriptedPrompter prompter;
    prompter.type(QStringLiteral("New")).type(QStringLiteral("New"));
    EXPECT_FALSE(vendara::PasswordCommand::run(prompter, mStore));
    ASSERT_EQ(prompter.prompts().size(), 3);
    const testsupport::RecordedPrompt &told = prompter.prompts().last();
    EXPECT_EQ(told.text, QStringLiteral("The password could not be saved: Cannot write %1\n\nThe "
                                        "password has not changed.")
                             .arg(mStore.fileName()));
    EXPECT_EQ(told.caption, QStringLiteral("Password"));
    EXPECT_EQ(told.icon, prompt::Icon::Exclamation);
    EXPECT_TRUE(QFileInfo(mStore.fileName()).isDir());
}

} // namespace
