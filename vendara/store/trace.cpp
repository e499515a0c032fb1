#include "trace.h"

namespace vendara {

Trace::Trace(bool enabled, prompt::Prompter *prompter)
    : mEnabled(enabled)
    , mPrompter(prompter)
{}

bool Trace::requestedBy(const QStringList &arguments)
{
    return arguments.size() == 1 && arguments.constFirst() == QLatin1String("test");
}

void Trace::show(const QString &text, const QString &caption, prompt::Buttons buttons) const
{
    if (!enabled())
        return;
    (void)mPrompter->message(text, caption, buttons);
}

} // namespace vendara
