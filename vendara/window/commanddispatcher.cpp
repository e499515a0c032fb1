#include "commanddispatcher.h"

namespace vendara {

CommandDispatcher::CommandDispatcher(QObject *parent)
    : QObject(parent)
{}

void CommandDispatcher::add(const QString &key, Command command)
{
    if (!command)
        return;
    mCommands.insert(key, std::move(command));
    emit added(key);
}

bool CommandDispatcher::dispatch(const QString &key) const
{
    const auto found = mCommands.constFind(key);
    if (found == mCommands.constEnd())
        return false;
    // A copy: the command may replace itself while it runs.
    const Command command = found.value();
    command();
    return true;
}

} // namespace vendara
