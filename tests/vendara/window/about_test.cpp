// The about box: its texts, the catalogue file it names, and "&System Info..." over the
// registry file's machine-wide keys.

#include "catalogue.h"

#include "common/registry/registryfile.h"
#include "tests/support/scriptedprompter.h"
#include "tests/vendara/window/cataloguewindowfixture.h"
#include "vendara/store/programcontext.h"
#include "vendara/window/frmabout.h"
#include "vendara/window/frmmain.h"
#include "vendara/window/helpcommands.h"
#include "vendara/window/systeminformation.h"

// Qt
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

using namespace vendara;

const QByteArray kHeader = "Windows Registry Editor Version 5.00\r\n\r\n";
const QByteArray kMsinfo = "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools\\MSINFO]\r\n";
const QByteArray kLocation = "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Shared Tools Location]\r\n";

class SystemInformationTest : public ::testing::Test
{
protected:
    QString registry(const QByteArray &body)
    {
        const QString path = mDir.filePath(QStringLiteral("registry.reg"));
        testsupport::writeBytes(path, kHeader + body);
        return path;
    }
    // StartSysInfo over `body`; the programs started are collected, `starts` says whether
    // starting succeeds.
    QStringList run(const QByteArray &body, bool starts = true)
    {
        QStringList started;
        SystemInformation info(mPrompter, registry(body), [&](const QString &program) {
            started << program;
            return starts;
        });
        info.StartSysInfo();
        return started;
    }
    void expectUnavailable()
    {
        ASSERT_EQ(mPrompter.prompts().size(), 1);
        EXPECT_EQ(mPrompter.prompts()[0].text,
                  QStringLiteral("System Information Is Unavailable At This Time"));
        EXPECT_EQ(mPrompter.prompts()[0].caption, QStringLiteral("Vendara LITE"));
        EXPECT_EQ(mPrompter.prompts()[0].buttons, prompt::Buttons::Ok);
        mPrompter.clear();
    }

    QTemporaryDir mDir;
    testsupport::ScriptedPrompter mPrompter;
};

TEST_F(SystemInformationTest, GetKeyValueReadsStringsAndNumbers)
{
    registry::RegistryFile file;
    ASSERT_TRUE(file.load(registry("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Test]\r\n"
                                   "\"Text\"=\"/usr/bin/sysinfo\"\r\n"
                                   "\"Count\"=dword:00000105\r\n"
                                   "\"Big\"=dword:ffffffff\r\n"
                                   "\"Raw\"=hex:01,02\r\n"))
                    .ok());
    const QString root = QStringLiteral("HKEY_LOCAL_MACHINE");
    const QString key = QStringLiteral("SOFTWARE\\Test");
    QString value = QStringLiteral("unchanged");
    EXPECT_TRUE(SystemInformation::GetKeyValue(file, root, key, QStringLiteral("text"), value));
    EXPECT_EQ(value, QStringLiteral("/usr/bin/sysinfo"));
    // A number's bytes make up one number: 0x105 is 261, not the digits of each byte.
    EXPECT_TRUE(SystemInformation::GetKeyValue(file, root, key, QStringLiteral("Count"), value));
    EXPECT_EQ(value, QStringLiteral("261"));
    EXPECT_TRUE(SystemInformation::GetKeyValue(file, root, key, QStringLiteral("Big"), value));
    EXPECT_EQ(value, QStringLiteral("4294967295"));
    EXPECT_TRUE(SystemInformation::GetKeyValue(file, root, key, QStringLiteral("Raw"), value));
    EXPECT_EQ(value, QString());

    value = QStringLiteral("unchanged");
    EXPECT_FALSE(SystemInformation::GetKeyValue(file, root, key, QStringLiteral("None"), value));
    EXPECT_FALSE(SystemInformation::GetKeyValue(file, root, QStringLiteral("SOFTWARE\\Other"),
                                                QStringLiteral("Text"), value));
    EXPECT_FALSE(SystemInformation::GetKeyValue(file, QStringLiteral("HKEY_CURRENT_USER"), key,
                                                QStringLiteral("Text"), value));
    EXPECT_EQ(value, QStringLiteral("unchanged"));
}

TEST_F(SystemInformationTest, StartsTheProgramTheRegistryNames)
{
    // The MSINFO key's PATH comes first.
    EXPECT_EQ(run(kMsinfo + "\"PATH\"=\"/opt/tools/sysinfo\"\r\n\r\n" + kLocation
                  + "\"MSINFO\"=\"/elsewhere\"\r\n"),
              QStringList({"/opt/tools/sysinfo"}));
    EXPECT_TRUE(mPrompter.prompts().isEmpty());

    // Otherwise MSINFO32.EXE in the folder that the Shared Tools Location names, when it is
    // there.
    const QString folder = mDir.filePath(QStringLiteral("msinfo"));
    QDir().mkpath(folder);
    const QByteArray location = kLocation + "\"MSINFO\"=\"" + folder.toUtf8() + "\"\r\n";
    EXPECT_TRUE(run(location).isEmpty());
    expectUnavailable();
    testsupport::writeBytes(QDir(folder).filePath(QStringLiteral("MSINFO32.EXE")), "#!/bin/sh\n");
    EXPECT_EQ(run(location), QStringList({QDir(folder).filePath(QStringLiteral("MSINFO32.EXE"))}));
    EXPECT_TRUE(mPrompter.prompts().isEmpty());
}

TEST_F(SystemInformationTest, WithoutAProgramTheUserIsTold)
{
    EXPECT_TRUE(run(QByteArray()).isEmpty());
    expectUnavailable();
    // A program that does not start is no better than none.
    EXPECT_EQ(run(kMsinfo + "\"PATH\"=\"/no/such/program\"\r\n", false),
              QStringList({"/no/such/program"}));
    expectUnavailable();
    // Nor is a registry file that is not one.
    SystemInformation broken(mPrompter, mDir.filePath(QStringLiteral("missing/registry.reg")),
                             [](const QString &) { return true; });
    broken.StartSysInfo();
    expectUnavailable();
}

class AboutBoxTest : public testsupport::CatalogueWindowFixture
{
protected:
    AboutBoxTest()
        : CatalogueWindowFixture(testsupport::record({"A-1", "Anchor bolt", "12.5"}))
    {}
};

TEST_F(AboutBoxTest, AboutOpensModallyWithTheVersionAndTheCatalogue)
{
    open();
    HelpCommands::install(*mWindow);
    ASSERT_TRUE(mWindow->action(QStringLiteral("mnuHelpAbout"))->isEnabled());

    bool seen = false;
    QElapsedTimer clock;
    clock.start();
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto *about = qobject_cast<frmAbout *>(QApplication::activeModalWidget());
        if (about == nullptr) {
            // Some other window is in the way: end it rather than wait forever.
            if (clock.elapsed() > 10000 && QApplication::activeModalWidget() != nullptr)
                QApplication::activeModalWidget()->close();
            return;
        }
        seen = true;
        EXPECT_EQ(about->windowTitle(), QStringLiteral("About Vendara"));
        EXPECT_EQ(about->parentWidget(), mWindow.get());
        EXPECT_EQ(about->lblDescription()->text(),
                  QStringLiteral("Product Encyclopedia for Your Palmpilot"));
        EXPECT_EQ(about->lblVersion()->text(), QStringLiteral("Version 1.3.0"));
        EXPECT_EQ(
            about->lblCatalogue()->text(),
            QDir::toNativeSeparators(QDir(mDir.path()).filePath(QStringLiteral("vadata.dat"))));
        EXPECT_EQ(about->cmdSysInfo()->text(), QStringLiteral("&System Info..."));
        // No registry file names a system-information program here.
        about->cmdSysInfo()->click();
        EXPECT_EQ(mPrompter.messageTexts(),
                  QStringList({"System Information Is Unavailable At This Time"}));
        EXPECT_TRUE(about->isVisible());
        about->cmdOK()->click();
    });
    poll.start();
    mWindow->action(QStringLiteral("mnuHelpAbout"))->trigger();
    poll.stop();
    EXPECT_TRUE(seen);
}

} // namespace
