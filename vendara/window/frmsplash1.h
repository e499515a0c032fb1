// `FrmSplash1`: the borderless splash window that runs the start-up sequence. It shows the
// program's picture and a warning against unauthorised reproduction and distribution; its
// timer `Timer1` ticks every 10 milliseconds.
#pragma once

#include "vendara/store/startupwindows.h"

// Qt
#include <QPointer>
#include <QTimer>
#include <QWidget>

// std
#include <functional>

namespace vendara {

class FrmPassword;

class FrmSplash1 : public QWidget, public StartupWindows
{
    Q_OBJECT

public:
    // `loadMain` loads the main window hidden and gives 0 or a failure number; `showMain`
    // shows it.
    FrmSplash1(std::function<int()> loadMain, std::function<void()> showMain,
               QWidget *parent = nullptr);
    ~FrmSplash1() override;

    [[nodiscard]] static QString warningText();
    [[nodiscard]] int ticks() const { return mTicks; }

    void showSplash() override;
    int loadMainWindow() override;
    std::optional<QString> askPassword() override;
    void waitForSplashTicks(int ticks) override;
    void showMainWindow() override;
    void closeStartupWindows() override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::function<int()> mLoadMain;
    std::function<void()> mShowMain;
    QTimer mTimer1;
    int mTicks = 0;
    QPointer<FrmPassword> mPassword;
};

} // namespace vendara
