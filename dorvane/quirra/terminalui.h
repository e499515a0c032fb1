// The engine's user interface on a terminal: message boxes go to standard error, status
// texts are kept but not shown, and the password dialog answers once with the password
// given on the command line.
#pragma once

#include "dorvane/convert/engineui.h"

// std
#include <optional>
#include <ostream>
#include <string>

namespace quirra {

class TerminalUi : public convert::EngineUi
{
public:
    // `password` is Windows-1252; nothing when none was given.
    TerminalUi(std::ostream &err, std::optional<std::string> password);

    void showMessage(std::string_view caption, std::string_view text) override;
    void showStatus(std::string_view text) override;
    void processEvents() override {}
    convert::PasswordAnswer askPassword() override;

    [[nodiscard]] const std::string &lastStatus() const { return mLastStatus; }
    // True when the database asked for a password and none was given.
    [[nodiscard]] bool passwordMissing() const { return mPasswordMissing; }

private:
    std::ostream &mErr;
    std::optional<std::string> mPassword;
    bool mAsked = false;
    bool mPasswordMissing = false;
    std::string mLastStatus;
};

} // namespace quirra
