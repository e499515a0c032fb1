#include "focuskeeper.h"

// Qt
#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QTimer>
#include <QWindow>
#include <QWidget>

// std
#include <cstdlib>

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

// Whether a window manager (X11) or compositor (Wayland) gives the keyboard to the window
// under a closed one; then the keeper stays out of its way.
bool windowManagerActivates()
{
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("wayland"))
        return true;
    if (platform != QLatin1String("xcb"))
        return false;
    auto *x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr)
        return true;
    xcb_connection_t *connection = x11->connection();
    static const char name[] = "_NET_SUPPORTING_WM_CHECK";
    xcb_intern_atom_reply_t *atom = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 1, sizeof name - 1, name), nullptr);
    if (atom == nullptr)
        return false;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    xcb_get_property_reply_t *property = xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, root, atom->atom, XCB_ATOM_WINDOW, 0, 1),
        nullptr);
    const bool managed = property != nullptr && xcb_get_property_value_length(property) >= 4;
    std::free(property);
    std::free(atom);
    return managed;
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
    if (qApp == nullptr || installed || windowManagerActivates())
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
