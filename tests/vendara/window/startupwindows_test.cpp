#include "catalogue.h"

#include "tests/common/whenopen.h"
#include "tests/support/scriptedprompter.h"
#include "vendara/store/programcontext.h"
#include "vendara/store/startupsequence.h"
#include "vendara/window/frmmain.h"
#include "vendara/window/frmpassword.h"
#include "vendara/window/frmsplash1.h"

// Qt
#include <QApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

// std
#include <memory>

#include <gtest/gtest.h>

namespace {

using namespace vendara;
using testsupport::readBytes;
using testsupport::record;
using testsupport::writeBytes;

TEST(FrmPassword, ReleasingEnterInTheBoxDoesWhatOkDoes)
{
    FrmPassword prompt;
    EXPECT_EQ(prompt.windowTitle(), QStringLiteral("Enter user password"));
    EXPECT_EQ(prompt.txtPW()->echoMode(), QLineEdit::Password);
    EXPECT_EQ(prompt.okButton()->text(), QStringLiteral("OK"));
    prompt.show();
    QTest::keyClicks(prompt.txtPW(), QStringLiteral("Secret"));
    EXPECT_EQ(prompt.txtPW()->displayText(), QStringLiteral("******")); // not the style's dots
    QTest::keyPress(prompt.txtPW(), Qt::Key_Return);
    EXPECT_TRUE(prompt.isVisible()); // pressing alone does nothing yet
    QTest::keyRelease(prompt.txtPW(), Qt::Key_Return);
    EXPECT_FALSE(prompt.isVisible());
    EXPECT_EQ(prompt.result(), QDialog::Accepted);
    EXPECT_EQ(prompt.typedText(), QStringLiteral("Secret"));

    FrmPassword clicked;
    clicked.show();
    QTest::mouseClick(clicked.okButton(), Qt::LeftButton);
    EXPECT_EQ(clicked.result(), QDialog::Accepted);
}

// Answers the password prompt once it is open, or fails after five seconds.
void answerPasswordPrompt(const QString &text)
{
    testsupport::whenOpen<FrmPassword>([text](FrmPassword &prompt) {
        prompt.txtPW()->setText(text);
        prompt.okButton()->click();
    });
}

class StartupWindowsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QFile::remove(SettingsStore().fileName());
        writeBytes(catalogue(), mBytes);
        QFile file(catalogue());
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(QDateTime(QDate(2020, 1, 2), QTime(3, 4, 5)),
                                     QFileDevice::FileModificationTime));
        mContext = std::make_unique<ProgramContext>(ProgramFolder(mDir.path()), mPrompter, false);
    }
    void TearDown() override { QFile::remove(SettingsStore().fileName()); }

    QString catalogue() const { return QDir(mDir.path()).filePath(QStringLiteral("vadata.dat")); }

    // Starts as the program does.
    StartupSequence::Outcome start(FrmSplash1 *&splashOut)
    {
        auto loadMain = [this] {
            mWindow = std::make_unique<frmMain>(*mContext);
            return mWindow->load();
        };
        auto showMain = [this] {
            mWindow->show();
        };
        mSplash = std::make_unique<FrmSplash1>(loadMain, showMain);
        splashOut = mSplash.get();
        return StartupSequence(*mSplash, mContext->settings(), mContext->trace(), mPrompter).run();
    }

    const QByteArray mBytes = record({"B-2", "second"}) + record({"A-1", "first"});
    QTemporaryDir mDir;
    testsupport::ScriptedPrompter mPrompter;
    std::unique_ptr<ProgramContext> mContext;
    std::unique_ptr<frmMain> mWindow;
    std::unique_ptr<FrmSplash1> mSplash;
};

TEST_F(StartupWindowsTest, WithoutPasswordTheSplashWaitsThenTheMainWindowShows)
{
    FrmSplash1 *splash = nullptr;
    EXPECT_EQ(start(splash), StartupSequence::Outcome::Shown);
    EXPECT_GE(splash->ticks(), StartupSequence::SplashTicks);
    EXPECT_FALSE(splash->isVisible());
    ASSERT_TRUE(mWindow);
    EXPECT_TRUE(mWindow->isVisible());
    EXPECT_TRUE(FrmSplash1::warningText().contains(QStringLiteral("reproduction or distribution")));
}

TEST_F(StartupWindowsTest, WrongPasswordEndsWithTheCatalogueUntouched)
{
    mContext->settings().setValue(QStringLiteral("Settings"), QStringLiteral("UserPassword"),
                                  QStringLiteral("Secret"));
    answerPasswordPrompt(QStringLiteral("secret"));
    FrmSplash1 *splash = nullptr;
    EXPECT_EQ(start(splash), StartupSequence::Outcome::Ended);
    EXPECT_FALSE(mWindow->isVisible());
    mWindow.reset(); // the program ends: the window goes without closing
    EXPECT_EQ(readBytes(catalogue()), mBytes);
    EXPECT_EQ(QFileInfo(catalogue()).lastModified(), QDateTime(QDate(2020, 1, 2), QTime(3, 4, 5)));
    EXPECT_TRUE(mPrompter.prompts().isEmpty());
}

TEST_F(StartupWindowsTest, RightPasswordShowsTheMainWindowWithoutWaiting)
{
    mContext->settings().setValue(QStringLiteral("Settings"), QStringLiteral("UserPassword"),
                                  QStringLiteral("Secret"));
    answerPasswordPrompt(QStringLiteral("Secret"));
    FrmSplash1 *splash = nullptr;
    EXPECT_EQ(start(splash), StartupSequence::Outcome::Shown);
    EXPECT_TRUE(mWindow->isVisible());
}

} // namespace
