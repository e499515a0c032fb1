#include "mainmenus.h"

#include "commanddispatcher.h"
#include "icons.h"

// Qt
#include <QAction>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSizePolicy>
#include <QToolBar>
#include <QToolButton>

namespace vendara {

MainMenus::MainMenus(QMainWindow *window, CommandDispatcher &commands)
    : QObject(window)
    , mWindow(window)
    , mCommands(commands)
    , mToolBar(new QToolBar(window))
{
    mToolBar->setObjectName(QStringLiteral("tbToolBar"));
    mToolBar->setAccessibleName(QStringLiteral("Toolbar"));
    mToolBar->setWindowTitle(QStringLiteral("Toolbar"));
    mToolBar->setMovable(false);
    mToolBar->setFloatable(false);
    mToolBar->setIconSize(QSize(24, 24));
    mToolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    mToolBar->setContextMenuPolicy(Qt::PreventContextMenu);
    window->addToolBar(Qt::TopToolBarArea, mToolBar);

    addToolButton("New", "Open Excel File", "Excelin");
    addToolButton("Export", "Save to Excel File", "Excelout");
    mToolBar->addSeparator();
    addToolButton("Palm", "Send to Palmpilot", "Palm");
    mToolBar->addSeparator();
    QAction *find = addToolButton("Find", "Go to Product", "Find");
    find->setShortcut(QKeySequence::Find);
    addToolButton("Edit", "Edit Mode", "Pencil", true);
    addToolButton("Insert", "New Product", "Add");
    // The Delete key deletes the product while the grid has the focus in edit mode (the
    // window watches for it); elsewhere it keeps deleting text.
    QAction *deleteProduct = addToolButton("DelProd", "Delete Product", "Delete");
    mToolBar->addSeparator();
    QAction *undo = addToolButton("Undo", "Undo", "Undo");
    QAction *redo = addToolButton("Redo", "Redo", "Redo");
    // "Help" keeps its place at the right end whatever the window's width.
    auto *spacer = new QWidget(mToolBar);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    mToolBar->addWidget(spacer);
    QAction *help = addToolButton("Help", "Help", "Help");

    QMenuBar *bar = window->menuBar();
    bar->setAccessibleName(QStringLiteral("Menu bar"));
    bar->addMenu(addMenu(new QMenu(bar), "MnuFile", "&File",
                         {{"mnuFileOpen", "&Open Excel File"},
                          {"mnuFileUndoImport", "Undo Last Import"},
                          {"MnuFileClose", "&Save to Excel"},
                          {nullptr, "mnubar2"},
                          {"mnuFileExit", "E&xit"}}));
    bar->addMenu(addMenu(new QMenu(bar), "mnuEdit", "Print",
                         {{"mnuPreview", "Setup"}, {"mnuPrint", "Print Price List"}}));
    bar->addMenu(
        addMenu(new QMenu(bar), "mnuView", "&Settings", {{"mnuUserOptions", "&Password"}}));
    bar->addMenu(addMenu(new QMenu(bar), "mnuproducts", "&Products",
                         {{"mnuAddProd", "&Add"},
                          {"mnuEditProd", "&Edit"},
                          {nullptr, "prodbar"},
                          {"mnucopyproduct", "&Copy Product Info"},
                          {nullptr, "bar10"},
                          {"mnuDelProd", "&Delete"},
                          {"mnuDelAll", "Delete &All"},
                          {nullptr, "undobar"},
                          {"mnuUndo", "&Undo"},
                          {"mnuRedo", "&Redo"}}));
    bar->addMenu(addMenu(new QMenu(bar), "mnuHelp", "&Help",
                         {{"mnuHelpContents", "&Contents"},
                          {"mnuHelpSearchForHelpOn", "&Search For Help On..."},
                          {nullptr, "mnuHelpBar1"},
                          {"mnuHelpAbout", "&About "}}));

    // Pop-up menus: not on the menu bar, opened by a right click.
    addMenu(new QMenu(window), "mnuMainGrid", "MainGrid",
            {{"mnuGrdMainQuote", "Add to &Quote"}, {"mnuCopyProductInfo", "&Copy Product Info"}});
    addMenu(new QMenu(window), "mnuQuote", "&Quote",
            {{"mnuQuoteDelete", "Remove &Product"},
             {"mnuquoteclear", "Remove &All"},
             {nullptr, nullptr},
             {"mnuResetPrices", "&Reset Prices"},
             {"mnudiscountAll", "Discount &All"},
             {"mnuDiscprod", "Discount &Product"},
             {nullptr, nullptr},
             {"mnuquotecopy", "&Copy"},
             {nullptr, nullptr},
             {"mnuQuoteNote", "&Quote Note"},
             {nullptr, nullptr},
             {"mnuQuoteSaveAs", "&Save Quote As..."},
             {"mnuQuoteOpen", "&Open Quote..."},
             {"mnuQuoteNew", "&New Quote"},
             {nullptr, nullptr},
             {"mnuQuotePrint", "&Print Quote..."},
             {"mnuQuotePdf", "Save Quote as P&DF..."}});
    addMenu(new QMenu(window), "mnups", "Price Schedule", {{"mnuclearprices", "&Clear"}});
    addMenu(new QMenu(window), "mnusystray", "Systray",
            {{"mnushow", "&Show"}, {"mnuremove", "&Close"}});

    // Shortcuts live on the menu items where there are both (one key, one action); the
    // toolbar's tooltips name them after their own words.
    mActions.value(QStringLiteral("mnuHelpContents"))->setShortcut(QKeySequence::HelpContents);
    mActions.value(QStringLiteral("mnuUndo"))->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    mActions.value(QStringLiteral("mnuRedo"))
        ->setShortcuts(
            {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    showShortcut(find, find->shortcut());
    showShortcut(deleteProduct, QKeySequence(QKeySequence::Delete));
    showShortcut(undo, mActions.value(QStringLiteral("mnuUndo"))->shortcut());
    showShortcut(redo, mActions.value(QStringLiteral("mnuRedo"))->shortcut());
    showShortcut(help, mActions.value(QStringLiteral("mnuHelpContents"))->shortcut());

    connect(&mCommands, &CommandDispatcher::added, this, [this](const QString &key) {
        if (QAction *action = mActions.value(key))
            action->setEnabled(true);
    });
}

QMenu *MainMenus::addMenu(QMenu *menu, const char *name, const char *caption,
                          std::initializer_list<Item> items)
{
    menu->setObjectName(QLatin1String(name));
    menu->setTitle(QString::fromUtf8(caption));
    menu->setAccessibleName(QString::fromUtf8(caption).remove(QLatin1Char('&')).trimmed());
    for (const Item &item : items) {
        if (item.name == nullptr) {
            QAction *separator = menu->addSeparator();
            if (item.caption != nullptr)
                separator->setObjectName(QLatin1String(item.caption));
            continue;
        }
        QAction *action = menu->addAction(QString::fromUtf8(item.caption));
        wire(action, QLatin1String(item.name));
    }
    mMenus.insert(QLatin1String(name), menu);
    return menu;
}

QAction *MainMenus::addToolButton(const char *key, const char *tooltip, const char *imageKey,
                                  bool check)
{
    QAction *action =
        mToolBar->addAction(Icons::toolbar(QLatin1String(imageKey)), QString::fromUtf8(tooltip));
    action->setToolTip(QString::fromUtf8(tooltip));
    action->setCheckable(check);
    wire(action, QLatin1String(key));
    if (auto *button = qobject_cast<QToolButton *>(mToolBar->widgetForAction(action))) {
        button->setObjectName(QLatin1String(key));
        button->setAccessibleName(QString::fromUtf8(tooltip));
    }
    return action;
}

QString MainMenus::withShortcut(const QString &words, const QKeySequence &keys)
{
    if (keys.isEmpty())
        return words;
    return words + QStringLiteral(" (") + keys.toString(QKeySequence::NativeText)
           + QLatin1Char(')');
}

void MainMenus::showShortcut(QAction *button, const QKeySequence &keys)
{
    button->setToolTip(withShortcut(button->text(), keys));
}

void MainMenus::wire(QAction *action, const QString &key)
{
    action->setObjectName(key);
    action->setEnabled(mCommands.has(key));
    connect(action, &QAction::triggered, this, [this, key] { mCommands.dispatch(key); });
    mActions.insert(key, action);
}

} // namespace vendara
