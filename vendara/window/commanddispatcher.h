// The one place where the toolbar's buttons and the menus' items run their commands. Toolbar
// buttons dispatch on their key ("Find", "Edit", ...), menu items on their name
// ("mnuFileExit", ...). A key without a command does nothing; the window shows its button or
// item disabled until a command is added for it.
#pragma once

// Qt
#include <QHash>
#include <QObject>
#include <QString>

// std
#include <functional>

namespace vendara {

class CommandDispatcher : public QObject
{
    Q_OBJECT

public:
    using Command = std::function<void()>;

    explicit CommandDispatcher(QObject *parent = nullptr);

    // Adds (or replaces) the command of `key`.
    void add(const QString &key, Command command);
    [[nodiscard]] bool has(const QString &key) const { return mCommands.contains(key); }
    // Runs the command of `key`; false when there is none.
    bool dispatch(const QString &key) const;

signals:
    void added(const QString &key);

private:
    QHash<QString, Command> mCommands;
};

} // namespace vendara
