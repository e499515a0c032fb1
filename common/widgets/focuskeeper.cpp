#include "focuskeeper.h"

// Qt
#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QTimer>
#include <QWindow>
#include <QWidget>

// X11
#include <xcb/xcb.h>

namespace common {

namespace {

// How long after a window of the program closed the keyboard going to no window is still
// taken for that close.
constexpr int kLateMs = 1000;

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
{
    connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](const QWindow *window) {
        if (window == nullptr && mSinceClose.isValid() && mSinceClose.elapsed() < kLateMs)
            QTimer::singleShot(0, this, [this] { giveBack(); });
    });
}

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
        if (isFocusWindow(widget)) {
            mBelow = windowBelow(widget);
            mSinceClose.start();
            QTimer::singleShot(0, this, [this] { giveBack(); });
        }
    }
    return QObject::eventFilter(watched, event);
}

void FocusKeeper::giveBack()
{
    if (QApplication::activeWindow() != nullptr)
        return; // a window manager, or the next dialog, has it
    QWidget *window = QApplication::activeModalWidget();
    if (window == nullptr)
        window = mBelow.data();
    if (window != nullptr && window->isVisible())
        activate(window);
}

} // namespace common
