// How the catalogue program starts: splash, main window loaded hidden, the user password
// when one is set (a wrong one ends the program silently, nothing saved), otherwise a short
// wait on the splash, then the main window.
#pragma once

// Qt
#include <QString>

namespace prompt {
class Prompter;
}

namespace vendara {

class SettingsStore;
class StartupWindows;
class Trace;

class StartupSequence
{
public:
    enum class Outcome {
        Shown, // the main window is visible
        Ended, // wrong password: end the program at once, save nothing
    };

    static constexpr int SplashTicks = 15;

    StartupSequence(StartupWindows &windows, const SettingsStore &settings, const Trace &trace,
                    prompt::Prompter &prompter);

    [[nodiscard]] Outcome run();

private:
    [[nodiscard]] bool passwordAccepted(const QString &stored);

    StartupWindows &mWindows;
    const SettingsStore &mSettings;
    const Trace &mTrace;
    prompt::Prompter &mPrompter;
};

} // namespace vendara
