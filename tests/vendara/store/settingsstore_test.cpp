#include "vendara/store/settingsstore.h"

// Qt
#include <QFile>
#include <QSettings>

#include <gtest/gtest.h>

namespace {

using vendara::SettingsStore;

class SettingsStoreTest : public ::testing::Test
{
protected:
    void SetUp() override { QFile::remove(mStore.fileName()); }
    void TearDown() override { QFile::remove(mStore.fileName()); }

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

} // namespace
