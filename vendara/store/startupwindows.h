// What the start-up sequence asks of the windows: the splash, the main window, the password
// prompt and the splash's timer. The window layer implements it; tests script it.
#pragma once

// Qt
#include <QString>

// std
#include <optional>

namespace vendara {

class StartupWindows
{
public:
    virtual ~StartupWindows() = default;

    // Shows the splash without waiting and lets the window system paint it.
    virtual void showSplash() = 0;
    // Loads the main window and leaves it hidden; 0, or the number of a failure.
    virtual int loadMainWindow() = 0;
    // The password prompt, modal over the splash; nothing when closed without OK.
    virtual std::optional<QString> askPassword() = 0;
    // Waits, letting the window system run, until the splash timer has ticked `ticks` times.
    virtual void waitForSplashTicks(int ticks) = 0;
    virtual void showMainWindow() = 0;
    // Unloads the password prompt and the splash.
    virtual void closeStartupWindows() = 0;
};

} // namespace vendara
