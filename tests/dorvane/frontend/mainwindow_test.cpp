#include "formfixture.h"

#include "dorvane/frontend/gridview.h"
#include "dorvane/frontend/mainwindow.h"
#include "dorvane/frontend/tpasswordform.h"
#include "dorvane/frontend/windowdialogs.h"

// Qt
#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

using dorvane::TMainForm;
using dorvane::ui::MainWindow;
using Field = TMainForm::Field;
using testsupport::FormFixture;

class Window : public ::testing::Test
{
protected:
    void SetUp() override
    {
        mWindow = std::make_unique<MainWindow>(f.form());
        f.form().FormCreate({});
        mWindow->showFormState();
        mWindow->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(mWindow.get()));
    }
    // Clicks a button on its caption, where a check box or radio button takes clicks.
    static void click(QAbstractButton *button)
    {
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
    }
    MainWindow &w() { return *mWindow; }

    FormFixture f;
    std::unique_ptr<MainWindow> mWindow;
};

TEST_F(Window, TabsCaptionsAndNamesForScreenReaders)
{
    EXPECT_EQ(w().windowTitle(), QStringLiteral("Quirra Desktop"));
    const QStringList tabs = {QStringLiteral("Convert .PDB To .CSV"),
                              QStringLiteral("Convert .CSV To .PDB"), QStringLiteral("View .PDB"),
                              QStringLiteral("Preferences"), QStringLiteral("About")};
    ASSERT_EQ(w().Pages->count(), 5);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(w().Pages->tabText(i), tabs[i]);
    EXPECT_EQ(w().Pages->currentIndex(), 4);

    // Every control that takes input or a click can be found by its caption or label.
    for (QWidget *widget : w().findChildren<QWidget *>()) {
        if (qobject_cast<QLineEdit *>(widget) || qobject_cast<QAbstractButton *>(widget)
            || qobject_cast<QComboBox *>(widget)) {
            if (widget->parent() && qobject_cast<QComboBox *>(widget->parent()))
                continue; // the line edit inside an editable combo box
            if (widget->objectName().startsWith(QStringLiteral("qt_"))
                || widget->inherits("QTableCornerButton"))
                continue; // Qt's own scroll buttons of the tab bar and the grid's corner
            EXPECT_FALSE(widget->accessibleName().isEmpty())
                << "unnamed " << widget->metaObject()->className() << " "
                << widget->objectName().toStdString();
        }
    }
    EXPECT_EQ(w().PDBFileName->accessibleName(), QStringLiteral("Input File (.PDB)"));
    EXPECT_EQ(w().DatabaseName->accessibleName(), QStringLiteral("Database Name"));
    EXPECT_EQ(w().ToPDBButton->accessibleName(), QStringLiteral("Convert To .PDB"));
    EXPECT_EQ(w().BrowsePDBFileToUse->text(), QStringLiteral("Br&owse"));
    EXPECT_EQ(w().ViewPDBButton->toolTip(),
              QStringLiteral("Press this button to view the database selected to the left."));
    EXPECT_EQ(w().HasFieldNames->text(),
              QStringLiteral("Input (.CSV) File has Field Names as first Line of File"));
    EXPECT_EQ(w().DateFormat->itemText(2), QStringLiteral("DD.MM.YY    (eg, 25.12.97)"));
    EXPECT_EQ(w().TimeFormat->itemText(4), QStringLiteral("HH,MM             (eg, 14,51)"));
    EXPECT_EQ(w().PDBUsers->count(), 3);
    EXPECT_EQ(w().PDBUsers->currentText(), QStringLiteral("Anna Smith"));
}

TEST_F(Window, ListsAreAnnouncedByTheirLabelAndStatusTextsByThemselves)
{
    // A drop-down list's name is its label, its current entry its value.
    auto accessible = [](QWidget *widget, QAccessible::Text text) {
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
        return iface != nullptr ? iface->text(text) : QString();
    };
    EXPECT_EQ(accessible(w().PDBUsers, QAccessible::Name),
              QStringLiteral("Automatically Install To User:"));
    EXPECT_EQ(accessible(w().PDBUsers, QAccessible::Value), QStringLiteral("Anna Smith"));
    EXPECT_EQ(accessible(w().DateFormat, QAccessible::Name), QStringLiteral("Date Format"));
    EXPECT_EQ(accessible(w().DateFormat, QAccessible::Value),
              QStringLiteral("MM/DD/YY   (eg, 12/25/97)"));
    EXPECT_EQ(accessible(w().BrowsePDB2, QAccessible::Name), QStringLiteral("Browse"));
    EXPECT_EQ(accessible(w().BrowsePDB2, QAccessible::Description),
              QStringLiteral("Search for the Output file (.PDB)"));

    // The outcome of a command is read out, not a fixed "Status".
    f.form().ShowStatus(QStringLiteral("Conversion Successful!"));
    EXPECT_EQ(accessible(w().StatusBar, QAccessible::Name),
              QStringLiteral("Conversion Successful!"));
}

TEST_F(Window, KeepsItsSizeAndGrowsWithTheScreensDotsPerInch)
{
    EXPECT_EQ(MainWindow::pageArea(96, 96), QSize(601, 432));
    EXPECT_EQ(MainWindow::pageArea(144, 120), QSize(902, 540));
    w().fitToScreen(144, 120);
    QApplication::processEvents();
    EXPECT_EQ(w().Pages->size(), QSize(902, 540));
    w().fitToScreen(96, 96);
    QApplication::processEvents();
    EXPECT_EQ(w().Pages->size(), QSize(601, 432));
}

TEST_F(Window, TypingAndClickingReachTheForm)
{
    w().Pages->setCurrentIndex(0);
    EXPECT_EQ(f.form().page(), TMainForm::Page::ToCSV);
    QTest::keyClicks(w().PDBFileName, QStringLiteral("/data/Stock.pdb"));
    EXPECT_EQ(f.form().text(Field::PDBFileName), QStringLiteral("/data/Stock.pdb"));
    EXPECT_EQ(w().CSVFileName->text(), QStringLiteral("/data/Stock.CSV"));

    w().Pages->setCurrentIndex(1);
    EXPECT_FALSE(w().PDBFileForInfo->isVisible());
    click(w().UsePDBFile);
    EXPECT_TRUE(f.form().checked(Field::UsePDBFile));
    EXPECT_TRUE(w().PDBFileForInfo->isVisible());
    EXPECT_TRUE(w().EnterPDBFileName->isVisible());
    click(w().CreateTextFields);
    EXPECT_FALSE(f.form().checked(Field::UsePDBFile));
    EXPECT_FALSE(w().BrowsePDBFileToUse->isVisible());

    EXPECT_TRUE(w().PDBUsers->isEnabled());
    click(w().AutoInstallCheck);
    EXPECT_FALSE(f.form().checked(Field::AutoInstallCheck));
    EXPECT_FALSE(w().PDBUsers->isEnabled());

    w().Pages->setCurrentIndex(2);
    click(w().Fixed1stColumn);
    EXPECT_EQ(w().StringGrid1->fixedColumns(), 0);
    click(w().Fixed1stColumn);
    EXPECT_EQ(w().StringGrid1->fixedColumns(), 1);

    // The form's changes show in the window: the command line picks a page.
    f.form().setPage(TMainForm::Page::PreferencesSheet);
    EXPECT_EQ(w().Pages->currentIndex(), 3);
    w().DateFormat->setCurrentIndex(-1);
    f.form().setSelection(Field::DateFormat, 4);
    EXPECT_EQ(w().DateFormat->currentIndex(), 4);
}

TEST_F(Window, DatabaseNameTakesNineteenTypedCharacters)
{
    w().Pages->setCurrentIndex(1);
    QTest::keyClicks(w().DatabaseName, QStringLiteral("abcdefghijklmnopqrstuvwxyz"));
    EXPECT_EQ(w().DatabaseName->text(), QStringLiteral("abcdefghijklmnopqrs"));
    EXPECT_EQ(f.form().text(Field::DatabaseName), QStringLiteral("abcdefghijklmnopqrs"));

    // A longer name that the program derived stays whole; typing cannot lengthen it, but
    // it can be shortened.
    QTest::keyClicks(w().CSVFileName2,
                     QStringLiteral("/d/a very long file name of forty characters.csv"));
    const QString derived = QStringLiteral("a very long file name of forty ");
    EXPECT_EQ(w().DatabaseName->text(), derived);
    w().DatabaseName->end(false);
    QTest::keyClicks(w().DatabaseName, QStringLiteral("x"));
    EXPECT_EQ(w().DatabaseName->text(), derived);
    QTest::keyClick(w().DatabaseName, Qt::Key_Backspace);
    EXPECT_EQ(f.form().text(Field::DatabaseName), derived.left(30));
}

TEST_F(Window, ClosingWritesTheSettingsFile)
{
    QTest::keyClicks(w().PDBNameField, QStringLiteral("/v.pdb"));
    w().close();
    EXPECT_TRUE(testsupport::readAll(f.settingsPath()).contains("VIEW PDB=/v.pdb\r\n"));
}

TEST(PasswordForm, EmptyEachTimeAndHowItClosedIsKept)
{
    // OK gives the text; the Cancel button is "not entered"; Escape and the window's close
    // button are neither, they refuse.
    using Closed = dorvane::PasswordReply::Closed;
    enum class Way { Ok, CancelButton, Escape, CloseButton };
    testsupport::ScriptedPrompter prompter;
    dorvane::ui::WindowDialogs dialogs(prompter);
    int shown = 0;
    auto answer = [&](Way way) {
        QTimer::singleShot(0, [&, way] {
            auto *form =
                qobject_cast<dorvane::ui::TPasswordForm *>(QApplication::activeModalWidget());
            ASSERT_NE(form, nullptr);
            ++shown;
            EXPECT_EQ(form->windowTitle(), QStringLiteral("Password Required"));
            EXPECT_TRUE(form->Edit1->text().isEmpty());
            EXPECT_EQ(form->Edit1->echoMode(), QLineEdit::Password);
            QTest::keyClicks(form->Edit1, QStringLiteral("Secret password of 25 ch"));
            EXPECT_EQ(form->Edit1->text().size(), 19);
            EXPECT_EQ(form->Edit1->displayText(), QString(19, QLatin1Char('*')));
            switch (way) {
            case Way::Ok:
                QTest::mouseClick(form->OKPasswordButton, Qt::LeftButton);
                break;
            case Way::CancelButton:
                QTest::mouseClick(form->CancelPasswordButton, Qt::LeftButton);
                break;
            case Way::Escape:
                QTest::keyClick(form->Edit1, Qt::Key_Escape);
                break;
            case Way::CloseButton:
                form->close();
                break;
            }
        });
    };
    answer(Way::Ok);
    dorvane::PasswordReply reply = dialogs.askPassword();
    EXPECT_EQ(reply.closed, Closed::Ok);
    EXPECT_EQ(reply.text, QStringLiteral("Secret password of "));
    for (const auto &[way, closed] :
         {std::pair{Way::CancelButton, Closed::Cancel}, std::pair{Way::Escape, Closed::Other},
          std::pair{Way::CloseButton, Closed::Other}}) {
        answer(way);
        reply = dialogs.askPassword();
        EXPECT_EQ(reply.closed, closed);
        EXPECT_TRUE(reply.text.isEmpty());
        EXPECT_TRUE(dialogs.passwordForm()->password().isEmpty());
    }
    EXPECT_EQ(shown, 4);
}

} // namespace
