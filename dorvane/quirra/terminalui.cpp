#include "terminalui.h"

namespace quirra {

TerminalUi::TerminalUi(std::ostream &err, std::optional<std::string> password)
    : mErr(err)
    , mPassword(std::move(password))
{}

void TerminalUi::showMessage(std::string_view, std::string_view text)
{
    // One line end after the text, however many it brings.
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
        text.remove_suffix(1);
    mErr << text << '\n';
}

void TerminalUi::showStatus(std::string_view text)
{
    mLastStatus.assign(text);
}

convert::PasswordAnswer TerminalUi::askPassword()
{
    // A wrong password is not asked for again: the terminal cannot answer a second time.
    if (mAsked)
        return {convert::PasswordAnswer::Result::Cancel, {}};
    mAsked = true;
    if (!mPassword) {
        mPasswordMissing = true;
        return {convert::PasswordAnswer::Result::Cancel, {}};
    }
    return {convert::PasswordAnswer::Result::Ok, *mPassword};
}

} // namespace quirra
