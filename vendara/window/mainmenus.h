// The main window's commands as the user reaches them: the toolbar `tbToolBar`, the menu bar
// and the pop-up menus. Every button and item dispatches through the command dispatcher on
// its key or name; one without a command is shown disabled until its command is added.
#pragma once

// Qt
#include <QHash>
#include <QObject>
#include <QString>

class QAction;
class QKeySequence;
class QMainWindow;
class QMenu;
class QToolBar;

namespace vendara {

class CommandDispatcher;

class MainMenus : public QObject
{
    Q_OBJECT

public:
    // Builds the toolbar and the menu bar into `window`.
    MainMenus(QMainWindow *window, CommandDispatcher &commands);

    [[nodiscard]] QToolBar *toolBar() const { return mToolBar; }
    // A toolbar button by its key ("Find", "Edit", ...) or a menu item by its name
    // ("mnuFileExit", ...); null when there is none.
    [[nodiscard]] QAction *action(const QString &name) const { return mActions.value(name); }
    // A menu of the menu bar ("MnuFile", "mnuEdit", "mnuView", "mnuproducts", "mnuHelp") or a
    // pop-up menu ("mnuMainGrid", "mnuQuote", "mnups", "mnusystray").
    [[nodiscard]] QMenu *menu(const QString &name) const { return mMenus.value(name); }

    // A tooltip's words followed by the keys that run the same command: "Go to Product
    // (Ctrl+F)".
    [[nodiscard]] static QString withShortcut(const QString &words, const QKeySequence &keys);

private:
    struct Item
    {
        const char *name; // null: a separator
        const char *caption;
    };

    QMenu *addMenu(QMenu *menu, const char *name, const char *caption,
                   std::initializer_list<Item> items);
    QAction *addToolButton(const char *key, const char *tooltip, const char *imageKey,
                           bool check = false);
    void wire(QAction *action, const QString &key);
    // The button's tooltip names `keys`; its text (the accessible name) stays as it is.
    static void showShortcut(QAction *button, const QKeySequence &keys);

    QMainWindow *mWindow;
    CommandDispatcher &mCommands;
    QToolBar *mToolBar;
    QHash<QString, QAction *> mActions;
    QHash<QString, QMenu *> mMenus;
};

} // namespace vendara
