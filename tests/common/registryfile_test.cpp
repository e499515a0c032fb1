#include "common/registry/registryfile.h"
#include "tests/support/writefault.h"

// Qt
#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>

// POSIX
#include <sys/stat.h>

// std
#include <cerrno>

#include <gtest/gtest.h>

namespace {

using registry::RegistryFile;

const QString kCore =
    QStringLiteral("HKEY_CURRENT_USER\\Software\\Palm Computing\\Pilot Desktop\\Core");
const QString kHotSync =
    QStringLiteral("HKEY_CURRENT_USER\\Software\\Palm Computing\\Pilot Desktop\\HotSync Manager");

class RegistryFileTest : public ::testing::Test
{
protected:
    QString write(const QByteArray &bytes)
    {
        const QString path = mDir.filePath(QStringLiteral("registry.reg"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    QByteArray read(const QString &path)
    {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return file.readAll();
    }

    QTemporaryDir mDir;
};

const QByteArray kSample = "Windows Registry Editor Version 5.00\r\n"
                           "\r\n"
                           "; the desktop software\r\n"
                           "[HKEY_CURRENT_USER\\Software\\Palm Computing\\Pilot Desktop\\Core]\r\n"
                           "\"Path\"=\"/home/anna/Palm \\\"Desk\\\" \\\\x\"\r\n"
                           "\"HotSyncPath\"=hex:01,02,\\\r\n"
                           "  03,04\r\n"
                           "\r\n"
                           "[HKEY_CURRENT_USER\\Software\\Palm Computing\\Pilot Desktop\\HotSync "
                           "Manager]\r\n"
                           "\"Install1\"=dword:00000000\r\n"
                           "\"Install2\"=dword:0000001f\r\n"
                           "\r\n";

TEST_F(RegistryFileTest, ReadsValuesAndKeysWithoutRegardToCase)
{
    RegistryFile reg;
    ASSERT_TRUE(reg.load(write(kSample)).ok());
    EXPECT_EQ(reg.stringValue(kCore, QStringLiteral("Path")),
              QStringLiteral("/home/anna/Palm \"Desk\" \\x"));
    EXPECT_EQ(reg.stringValue(kCore.toUpper(), QStringLiteral("PATH")),
              QStringLiteral("/home/anna/Palm \"Desk\" \\x"));
    EXPECT_EQ(reg.dwordValue(kHotSync, QStringLiteral("install2")), 31u);
    EXPECT_FALSE(reg.dwordValue(kHotSync, QStringLiteral("Install3")).has_value());
    // Not a string: a binary value continued over two lines.
    EXPECT_FALSE(reg.stringValue(kCore, QStringLiteral("HotSyncPath")).has_value());
    EXPECT_EQ(reg.value(kCore, QStringLiteral("HotSyncPath"))->text,
              QStringLiteral("hex:01,02,03,04"));
    // A key exists when a section names it or a key below it.
    EXPECT_TRUE(reg.keyExists(QStringLiteral("HKEY_CURRENT_USER\\Software\\Palm Computing")));
    EXPECT_TRUE(reg.keyExists(QStringLiteral("hkey_current_user\\software")));
    EXPECT_FALSE(reg.keyExists(QStringLiteral("HKEY_CURRENT_USER\\Software\\U.S. Robotics")));
    EXPECT_FALSE(reg.keyExists(QStringLiteral("HKEY_CURRENT_USER\\Software\\Palm")));
}

TEST_F(RegistryFileTest, OlderHeaderAndDeletionsAreUnderstood)
{
    RegistryFile reg;
    ASSERT_TRUE(reg.load(write("REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\A]\n\"x\"=\"1\"\n"
                               "\"y\"=\"2\"\n\"y\"=-\n[-HKEY_CURRENT_USER\\Software\\B]\n"
                               "[HKEY_CURRENT_USER\\Software\\B\\C]\n"
                               "[-HKEY_CURRENT_USER\\Software\\B]\n"))
                    .ok());
    EXPECT_EQ(
        reg.stringValue(QStringLiteral("HKEY_CURRENT_USER\\Software\\A"), QStringLiteral("x")),
        QStringLiteral("1"));
    EXPECT_FALSE(reg.value(QStringLiteral("HKEY_CURRENT_USER\\Software\\A"), QStringLiteral("y")));
    EXPECT_FALSE(reg.keyExists(QStringLiteral("HKEY_CURRENT_USER\\Software\\B\\C")));
}

TEST_F(RegistryFileTest, MissingFileIsEmptyAndOtherFilesAreRefusedAndNeverWritten)
{
    RegistryFile missing;
    EXPECT_TRUE(missing.load(mDir.filePath(QStringLiteral("none.reg"))).ok());
    EXPECT_FALSE(missing.keyExists(kCore));
    EXPECT_FALSE(missing.setDword(kCore, QStringLiteral("x"), 1).ok());
    EXPECT_FALSE(QFile::exists(mDir.filePath(QStringLiteral("none.reg"))));

    const QByteArray notes = "[HKEY_CURRENT_USER\\Software\\Palm Computing\\Pilot Desktop\\Core]\n"
                             "\"Path\"=\"/x\"\n";
    const QString path = write(notes);
    RegistryFile other;
    const common::Status status = other.load(path);
    ASSERT_FALSE(status.ok());
    EXPECT_NE(status.message().find("is not a registry file"), std::string::npos);
    EXPECT_FALSE(other.keyExists(kCore));
    EXPECT_FALSE(other.setDword(kCore, QStringLiteral("x"), 1).ok());
    EXPECT_EQ(read(path), notes);
}

TEST_F(RegistryFileTest, SettingValuesKeepsEveryOtherLine)
{
    const QString path = write(kSample);
    RegistryFile reg;
    ASSERT_TRUE(reg.load(path).ok());

    // Replacing a value changes its line only.
    ASSERT_TRUE(reg.setDword(kHotSync, QStringLiteral("INSTALL2"), 1).ok());
    QByteArray expected = kSample;
    expected.replace("\"Install2\"=dword:0000001f", "\"INSTALL2\"=dword:00000001");
    EXPECT_EQ(read(path), expected);

    // A new value goes to the end of its key's section.
    ASSERT_TRUE(reg.setDword(kHotSync, QStringLiteral("Install7"), 1).ok());
    expected.replace("\"INSTALL2\"=dword:00000001\r\n",
                     "\"INSTALL2\"=dword:00000001\r\n\"Install7\"=dword:00000001\r\n");
    EXPECT_EQ(read(path), expected);

    // A key that exists only as a parent gets a section of its own at the end.
    ASSERT_TRUE(reg.setString(QStringLiteral("HKEY_CURRENT_USER\\Software\\Palm Computing"),
                              QStringLiteral("Note"), QStringLiteral("a \"b\" \\c"))
                    .ok());
    expected += "[HKEY_CURRENT_USER\\Software\\Palm Computing]\r\n"
                "\"Note\"=\"a \\\"b\\\" \\\\c\"\r\n\r\n";
    EXPECT_EQ(read(path), expected);

    // A key that does not exist is not created.
    EXPECT_FALSE(reg.setDword(QStringLiteral("HKEY_CURRENT_USER\\Software\\U.S. Robotics"),
                              QStringLiteral("x"), 1)
                     .ok());
    EXPECT_EQ(read(path), expected);

    RegistryFile again;
    ASSERT_TRUE(again.load(path).ok());
    EXPECT_EQ(again.dwordValue(kHotSync, QStringLiteral("Install7")), 1u);
    EXPECT_EQ(again.stringValue(QStringLiteral("HKEY_CURRENT_USER\\Software\\Palm Computing"),
                                QStringLiteral("note")),
              QStringLiteral("a \"b\" \\c"));
}

TEST_F(RegistryFileTest, EncodingAndLineEndsOfTheFileAreKept)
{
    // As the registry editor exports it on Windows: UTF-16 with a byte order mark.
    const QString text = QStringLiteral("Windows Registry Editor Version 5.00\r\n\r\n[%1]\r\n"
                                        "\"Path\"=\"C:\\\\Program Files\\\\Palm \u00e9\"\r\n")
                             .arg(kHotSync);
    QStringEncoder encoder(QStringEncoder::Utf16LE);
    const QString path = write(QByteArray("\xFF\xFE") + QByteArray(encoder(text)));
    RegistryFile reg;
    ASSERT_TRUE(reg.load(path).ok());
    EXPECT_EQ(reg.stringValue(kHotSync, QStringLiteral("Path")),
              QStringLiteral("C:\\Program Files\\Palm \u00e9"));
    ASSERT_TRUE(reg.setDword(kHotSync, QStringLiteral("Install0"), 1).ok());
    const QByteArray bytes = read(path);
    ASSERT_TRUE(bytes.startsWith("\xFF\xFE"));
    QStringDecoder decoder(QStringDecoder::Utf16LE);
    EXPECT_EQ(QString(decoder(bytes.mid(2))),
              text + QStringLiteral("\"Install0\"=dword:00000001\r\n"));

    // A Linux-written file with LF line ends keeps them.
    const QString lf = write("REGEDIT4\n\n[HKEY_CURRENT_USER\\A]\n\"x\"=dword:00000000\n");
    ASSERT_TRUE(reg.load(lf).ok());
    ASSERT_TRUE(reg.setDword(QStringLiteral("HKEY_CURRENT_USER\\A"), QStringLiteral("x"), 2).ok());
    EXPECT_EQ(read(lf), QByteArray("REGEDIT4\n\n[HKEY_CURRENT_USER\\A]\n\"x\"=dword:00000002\n"));

    // A file cut between the CR and the LF of its last line is written back as it was.
    const QByteArray cut = "REGEDIT4\r\n[HKEY_CURRENT_USER\\A]\r\n\"x\"=dword:00000000\r";
    ASSERT_TRUE(reg.load(write(cut)).ok());
    EXPECT_EQ(reg.serialize(), cut);
    EXPECT_EQ(reg.dwordValue(QStringLiteral("HKEY_CURRENT_USER\\A"), QStringLiteral("x")), 0u);
}

TEST_F(RegistryFileTest, ASetValueReadsBackAsSetOrFails)
{
    // Cut off after a value line that goes on: the new line would have been swallowed as its
    // continuation. A blank line ends the cut-off value as the end of the file did.
    const QByteArray cut = "Windows Registry Editor Version 5.00\r\n\r\n"
                           "[HKEY_CURRENT_USER\\Software\\Palm Computing\\Pilot Desktop\\HotSync "
                           "Manager]\r\n"
                           "\"Data\"=hex:01,02,\\";
    const QString path = write(cut);
    RegistryFile reg;
    ASSERT_TRUE(reg.load(path).ok());
    ASSERT_TRUE(reg.setDword(kHotSync, QStringLiteral("Install3"), 1).ok());
    RegistryFile again;
    ASSERT_TRUE(again.load(path).ok());
    EXPECT_EQ(again.dwordValue(kHotSync, QStringLiteral("Install3")), 1u);
    EXPECT_TRUE(read(path).endsWith("\"Data\"=hex:01,02,\\\r\n\r\n\"Install3\"=dword:00000001"));

    // A value that the file cannot hold as given is refused, and the file stays as it was.
    const QByteArray unchanged = read(path);
    const common::Status refused =
        reg.setString(kHotSync, QStringLiteral("Note"), QStringLiteral("two\nlines"));
    EXPECT_FALSE(refused.ok());
    EXPECT_EQ(refused.message(),
              QStringLiteral("The value Note of the registry key %1 cannot be set in %2: the file "
                             "would not read back as set.")
                  .arg(kHotSync, path)
                  .toStdString());
    EXPECT_EQ(read(path), unchanged);
    EXPECT_FALSE(reg.value(kHotSync, QStringLiteral("Note")).has_value());
}

TEST_F(RegistryFileTest, AFailedWriteKeepsTheFileAndTheValues)
{
    using Step = common::SafeFile::Step;
    const QString path = write(kSample);
    for (const Step step : {Step::Open, Step::Write, Step::Flush, Step::Rename}) {
        RegistryFile reg;
        ASSERT_TRUE(reg.load(path).ok());
        testsupport::WriteFault fault(step, ENOSPC, "registry.reg");
        const common::Status status = reg.setDword(kHotSync, QStringLiteral("Install3"), 1);
        EXPECT_TRUE(fault.struck());
        EXPECT_FALSE(status.ok());
        EXPECT_NE(status.message().find(path.toStdString() + ": No space left on device"),
                  std::string::npos);
        EXPECT_EQ(read(path), kSample);
        EXPECT_EQ(QDir(mDir.path()).entryList(QDir::Files | QDir::Hidden),
                  QStringList(QStringLiteral("registry.reg")));
        // What is in memory is still what the file says.
        EXPECT_FALSE(reg.dwordValue(kHotSync, QStringLiteral("Install3")).has_value());
    }
}

TEST_F(RegistryFileTest, AFileWrittenFirstIsTheOwnersOnly)
{
    // The programs never make a registry file of their own (a value needs its key), but
    // should one be written where none is (the file went away after it was read), it is the
    // owner's only.
    const QString path = write(kSample);
    RegistryFile reg;
    ASSERT_TRUE(reg.load(path).ok());
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(reg.setDword(kHotSync, QStringLiteral("Install3"), 1).ok());
    struct stat status
    {
    };
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0600u);
    // One that was there keeps its mode.
    ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup
                                                | QFile::ReadOther));
    ASSERT_TRUE(reg.setDword(kHotSync, QStringLiteral("Install3"), 2).ok());
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0644u);
}

TEST(RegistryLocation, NamedFileOrTheConfigurationFolder)
{
    const QByteArray saved = qgetenv("VENDARA_REGISTRY");
    qputenv("VENDARA_REGISTRY", "/tmp/some/registry.reg");
    EXPECT_EQ(registry::defaultRegistryPath(), QStringLiteral("/tmp/some/registry.reg"));
    qunsetenv("VENDARA_REGISTRY");
    EXPECT_TRUE(registry::defaultRegistryPath().endsWith(QStringLiteral("/vendara/registry.reg")));
    EXPECT_TRUE(
        registry::defaultRegistryPath().startsWith(qEnvironmentVariable("XDG_CONFIG_HOME")));
    qputenv("VENDARA_REGISTRY", saved);
}

} // namespace
