// Gives the keyboard back when a window of the program closes. A window manager activates the
// window under a dialog that has closed; without one (a virtual display, a kiosk session)
// nobody does, and the program's shortcuts (Ctrl+Z, Ctrl+F, F1) stop working until a window
// is clicked.
#pragma once

// Qt
#include <QObject>
#include <QPointer>

class QWidget;

namespace common {

class FocusKeeper : public QObject
{
public:
    // Watches every window of the program; call once the application exists. Calling it
    // again does nothing.
    static void install();

    // Gives `window` the keyboard (on X11 with the server's current time, so that the focus
    // change of a window that has just closed does not make the request out of date).
    static void activate(QWidget *window);

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit FocusKeeper(QObject *parent);
    // Once the events of the close are handled: the dialog still open, else `below`, gets the
    // keyboard if no window has it.
    void giveBack(const QPointer<QWidget> &below);
};

} // namespace common
