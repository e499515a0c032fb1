#include "focuskeeper.h"

// Qt
#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QTimer>
#include <QWidget>

// X11
#include <xcb/xcb.h>

namespace common {

namespace {

// Windows that take the keyboard and give it back: normal windows and dialogs, not menus,
// tool tips or splash screens.
bool isFocusWindow(const QWidget *widget)
{
    if (!widget->isWindow())
        return false;
    const Qt::WindowType type = widget->windowType();
    return type == Qt::Window || type == Qt::Dialog;
}

// The window under `closed`: its parent's window, else another window of the program that is
// still shown.
QWidget *windowBelow(const QWidget *closed)
{
    if (QWidget *parent = closed->parentWidget()) {
        if (QWidget *window = parent->window(); window->isVisible())
            return window;
    }
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window != closed && window->isVisible() && isFocusWindow(window))
            return window;
    }
    return nullptr;
}

} // namespace

FocusKeeper::FocusKeeper(QObject *parent)
    : QObject(parent)
{}

void FocusKeeper::install()
{
    static QPointer<FocusKeeper> installed;
    if (qApp == nullptr || installed)
        return;
    installed = new FocusKeeper(qApp);
    qApp->installEventFilter(installed);
}

void FocusKeeper::activate(QWidget *window)
{
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        if (auto *x11 = qApp->nativeInterface<QNativeInterface::QX11Application>()) {
            xcb_set_input_focus(x11->connection(), XCB_INPUT_FOCUS_PARENT,
                                xcb_window_t(window->winId()), XCB_CURRENT_TIME);
            xcb_flush(x11->connection());
        }
    }
    window->activateWindow();
}

bool FocusKeeper::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Hide && watched->isWidgetType()) {
        auto *widget = static_cast<QWidget *>(watched);
        // The window that closes may have lost the keyboard already (the platform hides it
        // first).
        const QWidget *active = QApplication::activeWindow();
        if (isFocusWindow(widget) && (active == widget || active == nullptr)) {
            const QPointer<QWidget> below(windowBelow(widget));
            QTimer::singleShot(0, this, [this, below] { giveBack(below); });
        }
    }
    return QObject::eventFilter(watched, event);
}

void FocusKeeper::giveBack(const QPointer<QWidget> &below)
{
    if (QApplication::activeWindow() != nullptr)
        return; // a window manager, or the next dialog, has it
    QWidget *window = QApplication::activeModalWidget();
    if (window == nullptr)
        window = below.data();
    if (window != nullptr && window->isVisible())
        activate(window);
}

} // namespace common
