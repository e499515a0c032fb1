#include "startupsequence.h"

#include "settingsstore.h"
#include "startupwindows.h"
#include "storetexts.h"
#include "trace.h"

#include "common/prompt/prompter.h"

namespace vendara {

StartupSequence::StartupSequence(StartupWindows &windows, const SettingsStore &settings,
                                 const Trace &trace, prompt::Prompter &prompter)
    : mWindows(windows)
    , mSettings(settings)
    , mTrace(trace)
    , mPrompter(prompter)
{}

bool StartupSequence::passwordAccepted(const QString &stored)
{
    if (stored.isEmpty())
        return true;
    const std::optional<QString> typed = mWindows.askPassword();
    return typed.has_value() && *typed == stored; // case matters
}

StartupSequence::Outcome StartupSequence::run()
{
    mWindows.showSplash();
    mTrace.show(QStringLiteral("Past splash.show"), QStringLiteral("Debug"));
    const QString password =
        mSettings.value(QStringLiteral("Settings"), QStringLiteral("UserPassword"));

    if (const int failure = mWindows.loadMainWindow(); failure != 0) {
        mPrompter.message(texts::startupFailed(failure), texts::startupFailedCaption(),
                          prompt::Buttons::Ok);
        // The window is shown without the wait, but never without the password: a failure
        // while loading must not open a guarded catalogue.
        if (!passwordAccepted(password)) {
            mWindows.closeStartupWindows();
            return Outcome::Ended;
        }
        mWindows.showMainWindow();
        mWindows.closeStartupWindows();
        return Outcome::Shown;
    }

    if (!password.isEmpty()) {
        if (!passwordAccepted(password)) {
            mWindows.closeStartupWindows();
            return Outcome::Ended;
        }
    } else {
        mWindows.waitForSplashTicks(SplashTicks);
    }
    mWindows.showMainWindow();
    mWindows.closeStartupWindows();
    return Outcome::Shown;
}

} // namespace vendara
