// The keyboard given back when a dialog closes, as without a window manager: to the window
// under it with the control that had the keyboard there, and to a dialog still open rather
// than to the main window under both.

#include "whenopen.h"

#include "common/prompt/qtprompter.h"
#include "common/widgets/focuskeeper.h"

// Qt
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>

#include <gtest/gtest.h>

namespace {

using testsupport::whenOpen;

// Handles events until `window` has the keyboard (the keeper gives it back once the events of
// the close are handled), for at most two seconds.
bool becomesActive(const QWidget *window)
{
    QElapsedTimer clock;
    clock.start();
    while (QApplication::activeWindow() != window && clock.elapsed() < 2000)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    return QApplication::activeWindow() == window;
}

class FocusKeeperTest : public testing::Test
{
protected:
    void SetUp() override
    {
        common::FocusKeeper::install();
        common::FocusKeeper::install(); // a second call does nothing
        mSecond->move(0, 40);
        mWindow.show();
        common::FocusKeeper::activate(&mWindow);
        mSecond->setFocus();
        ASSERT_TRUE(becomesActive(&mWindow));
        ASSERT_TRUE(mSecond->hasFocus());
    }

    QWidget mWindow;
    QLineEdit *mFirst = new QLineEdit(&mWindow);
    QLineEdit *mSecond = new QLineEdit(&mWindow);
    prompt::QtPrompter mPrompter{&mWindow};
};

TEST_F(FocusKeeperTest, AClosedMessageGivesTheKeyboardBackToTheWindowAndControlThatHadIt)
{
    whenOpen<QMessageBox>([](QMessageBox &box) { box.accept(); });
    mPrompter.message(QStringLiteral("Saved."), QStringLiteral("Vendara"), prompt::Buttons::Ok);
    EXPECT_TRUE(becomesActive(&mWindow));
    EXPECT_EQ(QApplication::focusWidget(), mSecond);
}

TEST_F(FocusKeeperTest, AMessageOverADialogGivesTheKeyboardBackToTheDialog)
{
    QDialog dialog(&mWindow);
    auto *box = new QLineEdit(&dialog);
    const QWidget *activeAfterMessage = nullptr;
    whenOpen<QDialog>([&](QDialog &open) {
        box->setFocus();
        prompt::QtPrompter overDialog(&open);
        whenOpen<QMessageBox>([](QMessageBox &message) { message.accept(); });
        overDialog.message(QStringLiteral("Missing required fields"), QStringLiteral("Input"));
        becomesActive(&open);
        activeAfterMessage = QApplication::activeWindow();
        open.accept();
    });
    dialog.exec();
    EXPECT_EQ(activeAfterMessage, &dialog);
    EXPECT_TRUE(becomesActive(&mWindow));
}

} // namespace
