// What the conversion engine needs from the program it runs in. The engine shows nothing
// itself: its message boxes, status texts, repaints and the password dialog go through
// this interface. The converter's window implements it with its dialogs and status bar, the
// quirra tool with the terminal, tests with a recorder.
#pragma once

// std
#include <string>
#include <string_view>

namespace convert {

struct PasswordAnswer
{
    enum class Result {
        Ok,     // the dialog closed with OK; `text` holds what was typed
        Cancel, // closed with Cancel: the password was not entered
        Closed, // closed any other way: refused
    };

    Result result = Result::Cancel;
    std::string text; // Windows-1252 bytes
};

class EngineUi
{
public:
    virtual ~EngineUi() = default;

    // A message box with an exclamation icon and an OK button; waits until it is closed.
    // The engine's own errors have the caption "ERROR!", access refusals "ACCESS DENIED".
    // Texts are UTF-8 (they can hold file paths) and are shown exactly as given, line
    // feeds included.
    virtual void showMessage(std::string_view caption, std::string_view text) = 0;

    // Replaces the status line's text (UTF-8). Called for every record and every field of
    // long conversions: keep it cheap and paint the latest text in processEvents().
    virtual void showStatus(std::string_view text) = 0;

    // Lets the window repaint and handle pending events. Called very often during a
    // conversion (for every record, and for every value when writing CSV); an
    // implementation does the real work at most every few dozen milliseconds.
    virtual void processEvents() = 0;

    // The database password dialog, shown modally. Asked again after a wrong password.
    virtual PasswordAnswer askPassword() = 0;
};

// Shows nothing; the password dialog is cancelled.
class SilentEngineUi : public EngineUi
{
public:
    void showMessage(std::string_view, std::string_view) override {}
    void showStatus(std::string_view) override {}
    void processEvents() override {}
    PasswordAnswer askPassword() override { return {}; }
};

} // namespace convert
