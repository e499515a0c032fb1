// Gives the keyboard back when a window of the program closes. A window manager activates the
// window under a dialog that has closed; without one (a virtual display, a kiosk session)
// nobody does, and the program's shortcuts (Ctrl+Z, Ctrl+F, F1) stop working until a window
// is clicked.
#pragma once

// Qt
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>

class QWidget;

namespace common {

class FocusKeeper : public QObject
{
public:
    // Watches every window of the program when no window manager does this (on X11 without
    // one, and on the platforms without windowing); call once the application exists.
    // Calling it again does nothing.
    static void install();

    // Gives `window` the keyboard (on X11 with the server's current time, so that the focus
    // change of a window that has just closed does not make the request out of date).
    static void activate(QWidget *window);

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit FocusKeeper(QObject *parent);
    // Once the events of a close are handled: the dialog still open, else the window under
    // the one that closed, gets the keyboard if no window has it.
    void giveBack();

    QPointer<QWidget> mBelow;
    // Since the last window of the program closed: the keyboard going to no window soon after
    // is that close's doing (the platform may tell it late), not the user's going elsewhere.
    QElapsedTimer mSinceClose;
};

} // namespace common
