// The real program killed after an edit, and started again: the edit is offered back, taken,
// and saved at the next close, with the catalogue as it was kept as the backup. A driver
// loaded into the program as a Qt plug-in plays the person at the screen.

#include "catalogue.h"

// Qt
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocale>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace {

using testsupport::readBytes;
using testsupport::record;
using testsupport::writeBytes;

const QByteArray kCatalogue =
    record({"A-1", "Anchor", "12.5", "Keep dry"}) + record({"B-2", "Bracket", "3"});
const QByteArray kEdited = record({"A-1", "Anchor", "12.5", "Keep dryEdited before the crash"})
                           + record({"B-2", "Bracket", "3"});

class CrashRecoveryTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // A copy of the program in a folder of its own: it keeps its catalogue beside itself.
        ASSERT_TRUE(QFile::copy(QStringLiteral(PROGRAM_DIR "/vendara"), program()));
        ASSERT_TRUE(QFile::setPermissions(program(),
                                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        writeBytes(file(QStringLiteral("vadata.dat")), kCatalogue);
    }

    QString file(const QString &name) const { return QDir(mFolder.path()).filePath(name); }
    QString program() const { return file(QStringLiteral("vendara")); }

    // Starts the program with the driver doing `task`.
    void start(QProcess &process, const QString &task)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), mHome.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("XDG_DATA_HOME"), mHome.filePath(QStringLiteral("data")));
        env.insert(QStringLiteral("LC_ALL"), QStringLiteral("en_US.UTF-8"));
        env.insert(QStringLiteral("QT_PLUGIN_PATH"), QStringLiteral(DRIVER_PLUGIN_DIR));
        env.insert(QStringLiteral("QT_QPA_GENERIC_PLUGINS"), QStringLiteral("vendaradriver"));
        env.insert(QStringLiteral("VENDARA_DRIVER"), task);
        // A sanitizer build: the driver is loaded before the runtime would like to be first.
        env.insert(QStringLiteral("ASAN_OPTIONS"),
                   env.value(QStringLiteral("ASAN_OPTIONS"))
                       + QStringLiteral(":verify_asan_link_order=0"));
        process.setProcessEnvironment(env);
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(program(), {});
        ASSERT_TRUE(process.waitForStarted(30000));
    }
    // Waits until `done` holds, reading what the driver says meanwhile.
    template<typename Done>
    bool waitFor(QProcess &process, QByteArray &said, Done done, int ms = 60000)
    {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < ms) {
            process.waitForReadyRead(50);
            said += process.readAllStandardOutput();
            if (done())
                return true;
        }
        return false;
    }

    QTemporaryDir mFolder;
    QTemporaryDir mHome;
};

TEST_F(CrashRecoveryTest, AnEditSurvivesAKilledProgram)
{
    const QString catalogue = file(QStringLiteral("vadata.dat"));
    const QString recovery = file(QStringLiteral("vadata.rec"));
    {
        QProcess vendara;
        start(vendara, QStringLiteral("edit"));
        QByteArray said;
        ASSERT_TRUE(waitFor(vendara, said, [&] {
            return said.contains("edited") && readBytes(recovery) == kEdited;
        })) << said.constData();
        vendara.kill();
        ASSERT_TRUE(vendara.waitForFinished(30000));
        EXPECT_EQ(vendara.exitStatus(), QProcess::CrashExit);
    }
    EXPECT_EQ(readBytes(catalogue), kCatalogue); // never closed, never saved
    const QDateTime left = QFileInfo(recovery).lastModified();

    QProcess vendara;
    start(vendara, QStringLiteral("yes"));
    QByteArray said;
    ASSERT_TRUE(waitFor(vendara, said, [&] { return vendara.state() == QProcess::NotRunning; }))
        << said.constData();
    said += vendara.readAllStandardOutput();
    EXPECT_EQ(vendara.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(vendara.exitCode(), 0);
    const QString asked =
        QStringLiteral("asked: Vendara did not close normally. Restore the 2 products as they "
                       "were at %1?")
            .arg(QLocale(QLocale::English, QLocale::UnitedStates)
                     .toString(left, QLocale::ShortFormat));
    EXPECT_TRUE(QString::fromUtf8(said).contains(asked)) << said.constData();
    EXPECT_TRUE(said.contains("closing"));
    EXPECT_EQ(readBytes(catalogue), kEdited);
    EXPECT_FALSE(QFileInfo::exists(recovery));
    EXPECT_EQ(readBytes(file(QStringLiteral("vadata.bak"))), kCatalogue);
}

TEST_F(CrashRecoveryTest, ARecoveryFileTurnedDownIsKept)
{
    const QByteArray left = record({"A-1", "Anchor", "12.5", "from the crash"});
    writeBytes(file(QStringLiteral("vadata.rec")), left);
    QThread::msleep(20);
    // Newer than the catalogue.
    QFile rec(file(QStringLiteral("vadata.rec")));
    ASSERT_TRUE(rec.open(QIODevice::ReadWrite));
    ASSERT_TRUE(rec.setFileTime(QDateTime::currentDateTime().addSecs(60),
                                QFileDevice::FileModificationTime));
    rec.close();

    QProcess vendara;
    start(vendara, QStringLiteral("no"));
    QByteArray said;
    ASSERT_TRUE(waitFor(vendara, said, [&] { return vendara.state() == QProcess::NotRunning; }))
        << said.constData();
    said += vendara.readAllStandardOutput();
    EXPECT_TRUE(said.contains("asked: Vendara did not close normally. Restore the 1 products"))
        << said.constData();
    EXPECT_EQ(readBytes(file(QStringLiteral("vadata.dat"))), kCatalogue);
    const QStringList kept =
        QDir(mFolder.path()).entryList({QStringLiteral("vadata-*.rec")}, QDir::Files);
    ASSERT_EQ(kept.size(), 1);
    EXPECT_EQ(readBytes(file(kept.first())), left);
    EXPECT_FALSE(QFileInfo::exists(file(QStringLiteral("vadata.rec"))));
}

} // namespace
