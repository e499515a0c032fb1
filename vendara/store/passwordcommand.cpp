#include "passwordcommand.h"

#include "settingsstore.h"
#include "storetexts.h"

#include "common/prompt/prompter.h"

namespace vendara {

namespace {

QString ask(prompt::Prompter &prompter, const QString &text)
{
    // A cancelled box counts as an empty entry.
    return prompter.input(prompt::InputRequest{text, texts::passwordCaption(), QString(), true})
        .value_or(QString());
}

} // namespace

bool PasswordCommand::run(prompt::Prompter &prompter, SettingsStore &settings)
{
    const QString first = ask(prompter, texts::enterNewPassword());
    QString second;
    if (!first.isEmpty()) {
        second = ask(prompter, texts::reenterNewPassword());
    } else {
        const prompt::Answer remove =
            prompter.message(texts::removePassword(), texts::passwordCaption(),
                             prompt::Buttons::YesNo, prompt::Icon::Question);
        if (remove != prompt::Answer::Yes)
            return false;
    }
    if (first != second) {
        prompter.message(texts::passwordsDiffer(), texts::passwordCaption(), prompt::Buttons::Ok);
        return false;
    }
    const common::Status stored =
        settings.setValue(QStringLiteral("Settings"), QStringLiteral("UserPassword"), first);
    if (!stored.ok()) {
        // Unnoticed, the user would trust a password that was never set, or removed.
        prompter.message(texts::passwordNotSaved(QString::fromStdString(stored.message())),
                         texts::passwordCaption(), prompt::Buttons::Ok, prompt::Icon::Exclamation);
        return false;
    }
    return true;
}

} // namespace vendara
