// The one way the programs talk to the person at the screen: message boxes, questions,
// input boxes, file dialogs and the printer dialog. Logic calls this interface; the window
// layer implements it with Qt dialogs, tests with a script that records every prompt and
// returns queued answers.
#pragma once

// Qt
#include <QString>

// std
#include <optional>

class QPrinter;

namespace prompt {

enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel, AbortRetryIgnore };

// Exclamation is the warning triangle, Critical the stop sign of an error.
enum class Icon { None, Information, Question, Exclamation, Critical };

enum class Answer { Ok, Cancel, Yes, No, Retry, Abort, Ignore };

struct Message
{
    QString text;
    QString caption;
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;
    QString detail; // more on the cause, behind the box's "Show Details..." button; often empty
};

struct InputRequest
{
    QString prompt;
    QString title;
    QString defaultText;
    bool password = false; // typed characters shown as "*"
};

struct FileRequest
{
    enum class Mode { Open, Save };

    Mode mode = Mode::Open;
    QString title; // empty: the dialog's own title
    // Filters in the common dialog's form, pairs of description and patterns joined by "|":
    // "All Files (*.*)|*.*|Text Files (*.txt)|*.txt".
    QString filter;
    int filterIndex = 1;      // 1-based: the preselected pair
    QString fileName;         // proposed file (with or without folder)
    QString defaultExtension; // without the dot; added to a typed name that has none
    bool mustExist = false;   // open dialogs: the chosen file must exist
};

struct FileAnswer
{
    QString path; // empty: cancelled
    int filterIndex = 1;

    [[nodiscard]] bool cancelled() const { return path.isEmpty(); }
};

class Prompter
{
public:
    virtual ~Prompter() = default;

    // A message box; returns the button pressed (Cancel or No when closed otherwise).
    virtual Answer message(const Message &message) = 0;
    // An input box; nothing when cancelled.
    virtual std::optional<QString> input(const InputRequest &request) = 0;
    virtual FileAnswer file(const FileRequest &request) = 0;
    // The printer dialog over `printer`; false when not confirmed. Without printers on the
    // machine the dialog proposes a PDF file.
    virtual bool choosePrinter(QPrinter &printer, const QString &title) = 0;

    // Shorthands.
    Answer message(const QString &text, const QString &caption, Buttons buttons = Buttons::Ok,
                   Icon icon = Icon::None)
    {
        return message(Message{text, caption, buttons, icon, {}});
    }
    std::optional<QString> input(const QString &promptText, const QString &title,
                                 const QString &defaultText = {})
    {
        return input(InputRequest{promptText, title, defaultText, false});
    }
};

} // namespace prompt
