// Every window and dialog of both programs as a screen reader meets it. Each entry of
// kWindows opens one window the way the program opens it (a modal dialog is walked while it
// is open) and the walk lists what a screen reader user could not make out. A new window is
// one more entry.

#include "catalogue.h"

#include "common/prompt/qtprompter.h"
#include "common/widgets/comboboxaccessible.h"
#include "dorvane/frontend/mainwindow.h"
#include "dorvane/frontend/tpasswordform.h"
#include "dorvane/frontend/tpdbselectform.h"
#include "tests/dorvane/frontend/formfixture.h"
#include "tests/support/accessiblewalk.h"
#include "tests/support/scriptedprompter.h"
#include "tests/vendara/window/cataloguewindowfixture.h"
#include "vendara/program/programfeatures.h"
#include "vendara/store/passwordcommand.h"
#include "vendara/store/programcontext.h"
#include "vendara/window/frmmain.h"
#include "vendara/window/frmpassword.h"

// Qt
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

// std
#include <functional>
#include <memory>
#include <ostream>

#include <gtest/gtest.h>

namespace {

using testsupport::accessibilityProblems;

// Both programs, each with its main window loaded and shown: the catalogue program with
// every feature installed, the converter on a demo desktop with three handheld users.
class Programs : public testsupport::CatalogueWindowFixture
{
public:
    Programs()
        : CatalogueWindowFixture(testsupport::record({"A-1", "Anchor bolt", "12.5"})
                                 + testsupport::record({"B-2", "Bracket", "3.75"}))
    {}

    void SetUp() override
    {
        CatalogueWindowFixture::SetUp();
        open();
        vendara::ProgramFeatures::install(*mWindow);
        mWindow->show();
        mConverter = std::make_unique<dorvane::ui::MainWindow>(mConverterFixture.form());
        mConverterFixture.form().FormCreate({});
        mConverter->showFormState();
        mConverter->show();
    }
    void TearDown() override
    {
        mConverter.reset();
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (window->isVisible())
                window->close();
        }
        CatalogueWindowFixture::TearDown();
    }

    vendara::frmMain &catalogue() { return *mWindow; }
    dorvane::ui::MainWindow &converter() { return *mConverter; }
    testsupport::FormFixture &converterFixture() { return mConverterFixture; }
    testsupport::ScriptedPrompter &prompter() { return mPrompter; }
    vendara::ProgramContext &context() { return *mContext; }
    QString programFolder() const { return mDir.path(); }

    void run(const char *command) { mWindow->action(QLatin1String(command))->trigger(); }

private:
    testsupport::FormFixture mConverterFixture;
    std::unique_ptr<dorvane::ui::MainWindow> mConverter;
};

const QStringList kNotOpen{QStringLiteral("the window did not open")};

// A window with every tab shown in turn.
QStringList walkTabs(QWidget *window, QTabWidget *tabs)
{
    if (window == nullptr || tabs == nullptr)
        return kNotOpen;
    QStringList problems;
    for (int i = 0; i < tabs->count(); ++i) {
        tabs->setCurrentIndex(i);
        problems += accessibilityProblems(window);
    }
    problems.removeDuplicates();
    return problems;
}

// The visible top-level window of a class, as a command left it open.
QWidget *openWindow(const char *className)
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && window->inherits(className))
            return window;
    }
    return nullptr;
}

QStringList walkOpenWindow(const char *className)
{
    QWidget *window = openWindow(className);
    return window != nullptr ? accessibilityProblems(window) : kNotOpen;
}

// Runs `open`, which shows a window and waits until it is closed, walks the window once it
// is up (the active modal dialog, or the window of `className`) and closes it; modal dialogs
// that follow it are closed too.
QStringList walkWhileOpen(const std::function<void()> &open, const char *className = nullptr)
{
    QStringList problems = kNotOpen;
    bool walked = false;
    QElapsedTimer waited;
    waited.start();
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        QWidget *window = walked || className == nullptr ? QApplication::activeModalWidget()
                                                         : openWindow(className);
        if (window == nullptr) {
            if (waited.elapsed() > 5000)
                closer.stop();
            return;
        }
        if (!walked) {
            QApplication::processEvents(); // a preview paints its first page
            problems = accessibilityProblems(window);
            walked = true;
        }
        if (auto *dialog = qobject_cast<QDialog *>(window))
            dialog->reject();
        else
            window->close();
    });
    closer.start(10);
    open();
    return problems;
}

// The help pages the build places beside the program, copied into the program folder.
void copyHelpPages(const QString &programFolder)
{
    const QDir built(QStringLiteral(PROGRAM_DIR "/help"));
    QDir(programFolder).mkpath(QStringLiteral("help"));
    for (const QString &name : built.entryList(QDir::Files))
        QFile::copy(built.filePath(name), programFolder + QStringLiteral("/help/") + name);
}

struct WindowEntry
{
    const char *name;
    std::function<QStringList(Programs &)> walk;
};

const WindowEntry kWindows[] = {
    // The catalogue program.
    {"CatalogueMainWindow",
     [](Programs &p) {
         return walkTabs(&p.catalogue(),
                         p.catalogue().findChild<QTabWidget *>(QStringLiteral("SSTabmain")));
     }},
    {"StartupPassword",
     [](Programs &p) {
         vendara::FrmPassword password(&p.catalogue());
         password.show();
         return accessibilityProblems(&password);
     }},
    {"PasswordCommand",
     [](Programs &p) {
         prompt::QtPrompter prompter(&p.catalogue());
         return walkWhileOpen(
             [&] { vendara::PasswordCommand::run(prompter, p.context().settings()); });
     }},
    {"AboutBox",
     [](Programs &p) {
         return walkWhileOpen([&] { p.run("mnuHelpAbout"); });
     }},
    {"FindPrompt",
     [](Programs &p) {
         return walkWhileOpen([&] { p.run("Find"); }, "vendara::FrmPrompt");
     }},
    {"DiscountAll",
     [](Programs &p) {
         p.run("mnudiscountAll");
         return walkOpenWindow("vendara::FrmDiscount");
     }},
    {"DiscountProduct",
     [](Programs &p) {
         p.run("mnuDiscprod");
         return walkOpenWindow("vendara::FrmDiscount");
     }},
    {"QuoteNote",
     [](Programs &p) {
         p.run("mnuQuoteNote");
         return walkOpenWindow("vendara::FrmQuoteNote");
     }},
    {"HelpWindow",
     [](Programs &p) {
         copyHelpPages(p.programFolder());
         p.run("Help");
         QWidget *help = openWindow("vendara::HelpWindow");
         return walkTabs(help, help != nullptr ? help->findChild<QTabWidget *>() : nullptr);
     }},
    {"PrintPreview",
     [](Programs &p) {
         return walkWhileOpen([&] { p.run("mnuPreview"); });
     }},
    {"UpdateWindow",
     [](Programs &p) {
         p.prompter()
             .answer(prompt::Answer::Yes)
             .chooseFile(QStringLiteral(TEST_DATA_DIR "/spreadsheets/basic.xlsx"));
         p.run("New");
         return walkOpenWindow("vendara::FrmUpdate");
     }},
    // The converter.
    {"ConverterMainWindow",
     [](Programs &p) {
         return walkTabs(&p.converter(), p.converter().Pages);
     }},
    {"ConverterPassword",
     [](Programs &p) {
         dorvane::ui::TPasswordForm password(&p.converter());
         password.show();
         return accessibilityProblems(&password);
     }},
    {"ConverterPicker",
     [](Programs &p) {
         dorvane::TMainForm &form = p.converterFixture().form();
         dorvane::ui::TPDBSelectForm picker(form.users(), p.converterFixture().prompter,
                                            form.conversionSettings(), &p.converter());
         picker.show();
         picker.UsersList->setCurrentIndex(1);
         return accessibilityProblems(&picker);
     }},
};

// The test's name tells the window.
void PrintTo(const WindowEntry &entry, std::ostream *out)
{
    *out << entry.name;
}

class Accessibility : public Programs, public ::testing::WithParamInterface<WindowEntry>
{
};

TEST_P(Accessibility, EveryControlIsNamedByItsCaptionOrLabel)
{
    const QStringList problems = GetParam().walk(*this);
    EXPECT_TRUE(problems.isEmpty()) << problems.join(QLatin1Char('\n')).toStdString();
}

INSTANTIATE_TEST_SUITE_P(BothPrograms, Accessibility, ::testing::ValuesIn(kWindows),
                         [](const ::testing::TestParamInfo<WindowEntry> &info) {
                             return std::string(info.param.name);
                         });

// The walk itself finds what it is there to find.
TEST(AccessibilityWalk, FindsUnnamedControlsLabelsWithoutBuddiesAndHiddenTexts)
{
    common::ComboBoxAccessible::install();
    QWidget window;
    window.setWindowTitle(QStringLiteral("Window"));
    auto *label = new QLabel(QStringLiteral("&User:"), &window);
    auto *users = new QComboBox(&window);
    users->setObjectName(QStringLiteral("users"));
    users->addItems({QStringLiteral("Anna Smith"), QStringLiteral("Demo User")});
    auto *status = new QLabel(QStringLiteral("Conversion Successful!"), &window);
    status->setObjectName(QStringLiteral("status"));
    status->setAccessibleName(QStringLiteral("Status"));
    auto *unnamed = new QComboBox(&window);
    unnamed->setObjectName(QStringLiteral("unnamed"));
    unnamed->addItem(QStringLiteral("Only entry"));
    const QStringList problems = accessibilityProblems(&window);
    EXPECT_TRUE(problems.contains(QStringLiteral(
        "QLabel 'status': shows \"Conversion Successful!\" but is named \"Status\"")))
        << problems.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(
        problems.contains(QStringLiteral("QComboBox 'unnamed': takes the focus and has no name")))
        << problems.join(QLatin1Char('\n')).toStdString();

    // Named by the program but not the label's buddy; then its buddy.
    users->setAccessibleName(QStringLiteral("User:"));
    EXPECT_TRUE(accessibilityProblems(&window).contains(
        QStringLiteral("QLabel '': labels QComboBox 'users' but is not its buddy")));
    label->setBuddy(users);
    users->setAccessibleName(QString());
    EXPECT_FALSE(
        accessibilityProblems(&window).join(QLatin1Char('\n')).contains(QStringLiteral("'users'")));
    // The list is announced by its label, with its entry as its value.
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(users);
    ASSERT_NE(iface, nullptr);
    EXPECT_EQ(iface->text(QAccessible::Name), QStringLiteral("User:"));
    EXPECT_EQ(iface->text(QAccessible::Value), QStringLiteral("Anna Smith"));
    EXPECT_EQ(iface->role(), QAccessible::ComboBox);
    EXPECT_EQ(iface->childCount(), 1);
}

} // namespace
