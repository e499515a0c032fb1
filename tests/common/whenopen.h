// Acts on a modal dialog while it is open, for tests of code that opens one and waits.
#pragma once

// Qt
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

// std
#include <functional>

#include <gtest/gtest.h>

namespace testsupport {

// Runs `act` on the modal dialog of type T once it is open; the dialog must be closed by
// `act`. Fails the test when none opens within five seconds.
template<typename T>
inline void whenOpen(std::function<void(T &)> act)
{
    auto *poll = new QTimer;
    auto *clock = new QElapsedTimer;
    clock->start();
    QObject::connect(poll, &QTimer::timeout, [poll, clock, act] {
        auto *dialog = qobject_cast<T *>(QApplication::activeModalWidget());
        if (dialog == nullptr && clock->elapsed() < 5000)
            return;
        poll->stop();
        poll->deleteLater();
        delete clock;
        if (dialog == nullptr) {
            ADD_FAILURE() << "no dialog opened";
            if (QWidget *other = QApplication::activeModalWidget())
                other->close();
            return;
        }
        act(*dialog);
    });
    poll->start(10);
}

} // namespace testsupport
