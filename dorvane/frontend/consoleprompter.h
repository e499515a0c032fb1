// The person at the screen when there is no screen: a command-line conversion run by a
// script, a server or the catalogue program's hand-off. Nobody can answer, so every
// question is answered Cancel or No, every dialog is cancelled, and every message is
// written to standard error with its caption so that the caller can read what happened.
#pragma once

#include "formdialogs.h"

#include "common/prompt/prompter.h"

// Qt
#include <QTextStream>

namespace dorvane {

class ConsolePrompter : public prompt::Prompter, public FormDialogs
{
public:
    // Writes to `errors` (standard error when none is given).
    explicit ConsolePrompter(QTextStream *errors = nullptr);

    using Prompter::input;
    using Prompter::message;
    prompt::Answer message(const prompt::Message &message) override;
    std::optional<QString> input(const prompt::InputRequest &request) override;
    prompt::FileAnswer file(const prompt::FileRequest &request) override;
    bool choosePrinter(QPrinter &printer, const QString &title) override;

    PasswordReply askPassword() override;
    PickerResult pickDatabase() override;

private:
    void write(const QString &line);

    QTextStream mStandardError;
    QTextStream *mErrors;
};

} // namespace dorvane
