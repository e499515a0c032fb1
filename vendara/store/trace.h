// The diagnostic trace: when the program's command line is exactly "test", fixed message
// boxes mark the steps of start-up, of reading the catalogue and of pricing a quote. With
// any other command line they do not appear.
#pragma once

#include "common/prompt/prompter.h"

// Qt
#include <QStringList>

namespace vendara {

class Trace
{
public:
    Trace() = default;
    Trace(bool enabled, prompt::Prompter *prompter);

    // The arguments after the program's name: exactly the one word "test" (in lower case)
    // switches the trace on.
    [[nodiscard]] static bool requestedBy(const QStringList &arguments);

    [[nodiscard]] bool enabled() const { return mEnabled && mPrompter != nullptr; }
    void setPrompter(prompt::Prompter *prompter) { mPrompter = prompter; }

    // A trace box (the answer is ignored); nothing when the trace is off.
    void show(const QString &text, const QString &caption,
              prompt::Buttons buttons = prompt::Buttons::Ok) const;

private:
    bool mEnabled = false;
    prompt::Prompter *mPrompter = nullptr;
};

} // namespace vendara
