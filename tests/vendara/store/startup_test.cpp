#include "tests/support/scriptedprompter.h"
#include "vendara/store/passwordcommand.h"
#include "vendara/store/settingsstore.h"
#include "vendara/store/startupsequence.h"
#include "vendara/store/startupwindows.h"
#include "vendara/store/trace.h"

// Qt
#include <QFile>

#include <gtest/gtest.h>

namespace {

using namespace vendara;
using prompt::Answer;
using prompt::Buttons;
using prompt::Icon;
using Outcome = StartupSequence::Outcome;

// Records what the sequence did with the windows.
class FakeWindows : public StartupWindows
{
public:
    void showSplash() override { steps << QStringLiteral("splash"); }
    int loadMainWindow() override
    {
        steps << QStringLiteral("load");
        return failure;
    }
    std::optional<QString> askPassword() override
    {
        steps << QStringLiteral("password");
        return typed;
    }
    void waitForSplashTicks(int ticks) override { steps << QStringLiteral("wait %1").arg(ticks); }
    void showMainWindow() override { steps << QStringLiteral("show"); }
    void closeStartupWindows() override { steps << QStringLiteral("close"); }

    QStringList steps;
    int failure = 0;
    std::optional<QString> typed;
};

class StartupTest : public ::testing::Test
{
protected:
    void SetUp() override { QFile::remove(mSettings.fileName()); }
    void TearDown() override { QFile::remove(mSettings.fileName()); }

    Outcome run(bool trace = false)
    {
        Trace t(trace, &mPrompter);
        return StartupSequence(mWindows, mSettings, t, mPrompter).run();
    }
    void setPassword(const QString &password)
    {
        mSettings.setValue(QStringLiteral("Settings"), QStringLiteral("UserPassword"), password);
    }
    QString storedPassword() const
    {
        return mSettings.value(QStringLiteral("Settings"), QStringLiteral("UserPassword"));
    }

    FakeWindows mWindows;
    SettingsStore mSettings;
    testsupport::ScriptedPrompter mPrompter;
};

TEST_F(StartupTest, WithoutPasswordTheSplashWaitsFifteenTicks)
{
    EXPECT_EQ(run(), Outcome::Shown);
    EXPECT_EQ(mWindows.steps, QStringList({"splash", "load", "wait 15", "show", "close"}));
    EXPECT_TRUE(mPrompter.prompts().isEmpty());
}

TEST_F(StartupTest, PasswordIsComparedExactly)
{
    setPassword(QStringLiteral("OpenSesame"));
    mWindows.typed = QStringLiteral("OpenSesame");
    EXPECT_EQ(run(), Outcome::Shown);
    EXPECT_EQ(mWindows.steps, QStringList({"splash", "load", "password", "show", "close"}));

    for (const std::optional<QString> &wrong :
         {std::optional<QString>(QStringLiteral("opensesame")), std::optional<QString>(QString()),
          std::optional<QString>()}) {
        mWindows.steps.clear();
        mWindows.typed = wrong;
        EXPECT_EQ(run(), Outcome::Ended);
        // No message, no further window.
        EXPECT_EQ(mWindows.steps, QStringList({"splash", "load", "password", "close"}));
    }
    EXPECT_TRUE(mPrompter.prompts().isEmpty());
}

TEST_F(StartupTest, AFailureWhileLoadingIsReportedButNeverSkipsThePassword)
{
    mWindows.failure = 91;
    EXPECT_EQ(run(), Outcome::Shown);
    EXPECT_EQ(mWindows.steps, QStringList({"splash", "load", "show", "close"}));
    ASSERT_EQ(mPrompter.prompts().size(), 1);
    EXPECT_EQ(mPrompter.prompts()[0].text,
              QStringLiteral("There was a problem opening the program. Error Message 91 was "
                             "recieved. Contact Vendara for the cause of the error."));
    EXPECT_EQ(mPrompter.prompts()[0].caption, QStringLiteral("Error Message"));

    setPassword(QStringLiteral("pw"));
    mWindows.steps.clear();
    mWindows.typed = QStringLiteral("PW");
    EXPECT_EQ(run(), Outcome::Ended);
    EXPECT_EQ(mWindows.steps, QStringList({"splash", "load", "password", "close"}));
}

TEST_F(StartupTest, TraceBoxOnlyForTheCommandLineTest)
{
    run(Trace::requestedBy({QStringLiteral("Test")}));
    EXPECT_TRUE(mPrompter.prompts().isEmpty());
    run(Trace::requestedBy({QStringLiteral("test")}));
    ASSERT_EQ(mPrompter.prompts().size(), 1);
    EXPECT_EQ(mPrompter.prompts()[0].text, QStringLiteral("Past splash.show"));
    EXPECT_EQ(mPrompter.prompts()[0].caption, QStringLiteral("Debug"));
}

TEST_F(StartupTest, PasswordCommandSetsChangesAndRemoves)
{
    // Two equal entries store the password; both boxes hide what is typed.
    mPrompter.type(QStringLiteral("Secret")).type(QStringLiteral("Secret"));
    EXPECT_TRUE(PasswordCommand::run(mPrompter, mSettings));
    EXPECT_EQ(storedPassword(), QStringLiteral("Secret"));
    ASSERT_EQ(mPrompter.prompts().size(), 2);
    EXPECT_EQ(mPrompter.prompts()[0].text, QStringLiteral("Please enter the new password."));
    EXPECT_EQ(mPrompter.prompts()[1].text, QStringLiteral("Please reenter the new password"));
    EXPECT_EQ(mPrompter.prompts()[1].caption, QStringLiteral("Password"));
    EXPECT_TRUE(mPrompter.prompts()[1].input.password);

    // Different entries, and a cancelled second entry, change nothing.
    mPrompter.clear();
    mPrompter.type(QStringLiteral("One")).type(QStringLiteral("Two"));
    mPrompter.type(QStringLiteral("One")).cancelInput();
    EXPECT_FALSE(PasswordCommand::run(mPrompter, mSettings));
    EXPECT_FALSE(PasswordCommand::run(mPrompter, mSettings));
    EXPECT_EQ(storedPassword(), QStringLiteral("Secret"));
    const QString differ = QStringLiteral(
        "The two passwords are different. To prevent errors, they must be the same.");
    EXPECT_EQ(mPrompter.messageTexts(), QStringList({differ, differ}));
    EXPECT_EQ(mPrompter.prompts()[2].caption, QStringLiteral("Password"));
    EXPECT_EQ(mPrompter.prompts()[2].buttons, Buttons::Ok);

    // An empty (or cancelled) first entry asks about removal; No keeps the password.
    mPrompter.clear();
    mPrompter.type(QString()).answer(Answer::No);
    EXPECT_FALSE(PasswordCommand::run(mPrompter, mSettings));
    EXPECT_EQ(storedPassword(), QStringLiteral("Secret"));
    ASSERT_EQ(mPrompter.prompts().size(), 2);
    EXPECT_EQ(mPrompter.prompts()[1].text, QStringLiteral("Remove password?"));
    EXPECT_EQ(mPrompter.prompts()[1].caption, QStringLiteral("Password"));
    EXPECT_EQ(mPrompter.prompts()[1].buttons, Buttons::YesNo);
    EXPECT_EQ(mPrompter.prompts()[1].icon, Icon::Question);

    mPrompter.clear();
    mPrompter.cancelInput().answer(Answer::Yes);
    EXPECT_TRUE(PasswordCommand::run(mPrompter, mSettings));
    EXPECT_EQ(storedPassword(), QString());
    EXPECT_EQ(mPrompter.unanswered(), 0);
    // Removed: the next start asks for nothing.
    mWindows.steps.clear();
    EXPECT_EQ(run(), Outcome::Shown);
    EXPECT_FALSE(mWindows.steps.contains(QStringLiteral("password")));
}

} // namespace
