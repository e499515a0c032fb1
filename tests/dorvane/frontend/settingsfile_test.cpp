#include "dorvane/frontend/settingsfile.h"

// Qt
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using dorvane::SettingsFile;
using Config = SettingsFile::ConfigKey;
using Pref = SettingsFile::PrefKey;

QString writeFile(const QTemporaryDir &dir, const QByteArray &bytes)
{
    const QString path = dir.filePath(QStringLiteral("QD.INI"));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
}

TEST(SettingsFile, WritesEveryLineInOrderWithCrLf)
{
    dorvane::SavedSettings s;
    s.separator = QLatin1Char(';');
    s.dateFormat = 6;
    s.timeFormat = 4;
    s.csvEncoding = QStringLiteral("UTF-8");
    s.installUser = 2;
    s.inputPdb = QStringLiteral("/data/Stock.pdb");
    s.outputCsv = QStringLiteral("/data/Stock.CSV");
    s.useQuotes = true;
    s.inputCsv = QStringLiteral("/data/Price list.csv");
    s.outputPdb = QStringLiteral("/data/Price list.PDB");
    s.databaseName = QStringLiteral("Price list");
    s.hasNames = false;
    s.usePdbFileInfo = true;
    s.pdbForInfo = QStringLiteral("/data/template.pdb");
    s.viewPdb = QStringLiteral("/data/Caf\u00e9.pdb");
    EXPECT_EQ(SettingsFile::format(s), QByteArray("[Preferences]\r\n"
                                                  "CSV SEPARATOR=;\r\n"
                                                  "DATE FORMAT=6\r\n"
                                                  "TIME FORMAT=4\r\n"
                                                  "CSV ENCODING=UTF-8\r\n"
                                                  "INSTALL USER=2\r\n"
                                                  "[To .CSV Settings]\r\n"
                                                  "INPUT PDB=/data/Stock.pdb\r\n"
                                                  "OUTPUT CSV=/data/Stock.CSV\r\n"
                                                  "USE QUOTES=TRUE\r\n"
                                                  "FIELD NAMES=FALSE\r\n"
                                                  "[To .PDB Settings]\r\n"
                                                  "INPUT CSV=/data/Price list.csv\r\n"
                                                  "OUTPUT PDB=/data/Price list.PDB\r\n"
                                                  "DATABASE NAME=Price list\r\n"
                                                  "HAS NAMES=FALSE\r\n"
                                                  "USE PDB FILE INFO=TRUE\r\n"
                                                  "USE PDB DATABASENAME=/data/template.pdb\r\n"
                                                  "[View .PDB Settings]\r\n"
                                                  "VIEW PDB=/data/Caf\xc3\xa9.pdb\r\n"));
}

TEST(SettingsFile, KeysAreFoundInAnyCaseAfterOtherTextButNotInValues)
{
    QTemporaryDir dir;
    const QString path = writeFile(dir, "[Preferences]\n"
                                        "  csv separator=;\n"
                                        "x Date Format=3abc\r\n"
                                        "TIME FORMAT\n"
                                        "[To .CSV Settings]\n"
                                        "use quotes=false\n"
                                        "INPUT PDB=/home/u/Date Format/Time Format/a.pdb\n"
                                        "FIELD NAMES=\n"
                                        "junk line\n"
                                        "[To .PDB Settings]\n"
                                        "USE PDB DATABASENAME=/t.pdb\n"
                                        "OUTPUT PDB=/o.pdb=x\n");
    const auto prefs = SettingsFile::readPrefs(path);
    ASSERT_EQ(prefs.size(), 3u);
    EXPECT_EQ(prefs[0].key, Pref::CsvSeparator);
    EXPECT_EQ(prefs[0].value, QStringLiteral(";"));
    EXPECT_EQ(prefs[1].key, Pref::DateFormat);
    EXPECT_EQ(dorvane::leadingInteger(prefs[1].value), 3);
    EXPECT_EQ(prefs[2].key, Pref::TimeFormat);
    EXPECT_EQ(prefs[2].value, QString());

    const auto config = SettingsFile::readConfig(path);
    ASSERT_EQ(config.size(), 5u);
    EXPECT_EQ(config[0].key, Config::UseQuotes);
    EXPECT_FALSE(SettingsFile::isTrue(config[0].value));
    EXPECT_EQ(config[1].key, Config::InputPdb);
    EXPECT_EQ(config[1].value, QStringLiteral("/home/u/Date Format/Time Format/a.pdb"));
    EXPECT_EQ(config[2].key, Config::FieldNames);
    EXPECT_TRUE(SettingsFile::isTrue(config[2].value)); // empty counts as true
    EXPECT_EQ(config[3].key, Config::UsePdbDatabaseName);
    EXPECT_EQ(config[4].key, Config::OutputPdb);
    EXPECT_EQ(config[4].value, QStringLiteral("/o.pdb=x"));
}

TEST(SettingsFile, YesNoValues)
{
    EXPECT_FALSE(SettingsFile::isTrue(QStringLiteral("FALSE")));
    EXPECT_FALSE(SettingsFile::isTrue(QStringLiteral(" not false ")));
    EXPECT_TRUE(SettingsFile::isTrue(QStringLiteral("TRUE")));
    EXPECT_TRUE(SettingsFile::isTrue(QStringLiteral("no")));
    EXPECT_TRUE(SettingsFile::isTrue(QString()));
}

TEST(SettingsFile, NumbersAreReadFromTheStartOfTheValue)
{
    EXPECT_EQ(dorvane::leadingInteger(u"2}"), 2);
    EXPECT_EQ(dorvane::leadingInteger(u"-1}"), -1);
    EXPECT_EQ(dorvane::leadingInteger(u"x}"), 0);
    EXPECT_EQ(dorvane::leadingInteger(u"  +7"), 7);
    EXPECT_EQ(dorvane::leadingInteger(u""), 0);
    EXPECT_EQ(dorvane::leadingInteger(u"99999999999"), 2147483647);
}

TEST(SettingsFile, WindowsFileIsReadAsSingleByteText)
{
    QTemporaryDir dir;
    const QString path = writeFile(dir, "VIEW PDB=C:\\Caf\xe9.pdb\r\n");
    const auto config = SettingsFile::readConfig(path);
    ASSERT_EQ(config.size(), 1u);
    EXPECT_EQ(config[0].value, QStringLiteral("C:\\Caf\u00e9.pdb"));
    EXPECT_TRUE(SettingsFile::readConfig(dir.filePath(QStringLiteral("none.ini"))).empty());
}

TEST(SettingsFile, KeptBesideTheProgramOrInTheConfigurationFolder)
{
    QTemporaryDir dir;
    EXPECT_EQ(SettingsFile::location(dir.path()), dir.filePath(QStringLiteral("QD.INI")));
    const QString locked = dir.filePath(QStringLiteral("locked"));
    ASSERT_TRUE(QDir().mkdir(locked));
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner);
    if (!QFileInfo(locked).isWritable()) { // running as root, every folder is writable
        const QString fallback = SettingsFile::location(locked);
        EXPECT_EQ(fallback,
                  qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/vendara/QD.INI"));
        dorvane::SavedSettings s;
        EXPECT_TRUE(SettingsFile::write(fallback, s));
        EXPECT_TRUE(QFile::exists(fallback));
        QFile::remove(fallback);
    }
    QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_FALSE(SettingsFile::write(dir.filePath(QStringLiteral("no/such\0/x")), {}));

    // An installed copy (<prefix>/bin beside <prefix>/share/vendara) keeps its settings in the
    // configuration folder even where bin can be written; a QD.INI already beside the program
    // stays in use.
    const QString bin = dir.filePath(QStringLiteral("prefix/bin"));
    ASSERT_TRUE(QDir().mkpath(bin));
    ASSERT_TRUE(QDir().mkpath(dir.filePath(QStringLiteral("prefix/share/vendara"))));
    EXPECT_EQ(SettingsFile::location(bin),
              qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/vendara/QD.INI"));
    QFile beside(QDir(bin).filePath(QStringLiteral("QD.INI")));
    ASSERT_TRUE(beside.open(QIODevice::WriteOnly));
    beside.close();
    EXPECT_EQ(SettingsFile::location(bin), beside.fileName());
}

} // namespace
