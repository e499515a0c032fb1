// The help on the main window: its commands, the help window's panes and topics, and help
// that cannot be found.

#include "catalogue.h"

#include "tests/support/scriptedprompter.h"
#include "tests/vendara/window/cataloguewindowfixture.h"
#include "vendara/store/programcontext.h"
#include "vendara/window/frmmain.h"
#include "vendara/window/helpcommands.h"
#include "vendara/window/helptexts.h"
#include "vendara/window/helpwindow.h"

// Qt
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace {

using namespace vendara;

class HelpWindowTest : public testsupport::CatalogueWindowFixture
{
protected:
    HelpWindowTest()
        : CatalogueWindowFixture(testsupport::record({"A-1", "Anchor bolt", "12.5"}))
    {}

    // The main window with its help; `withPages`: the shipped help pages beside the program.
    frmMain &open(bool withPages = true)
    {
        if (withPages)
            QFile::link(QStringLiteral(PROGRAM_DIR "/help"),
                        QDir(mDir.path()).filePath(QStringLiteral("help")));
        frmMain &window = CatalogueWindowFixture::open();
        mHelp = HelpCommands::install(window);
        return window;
    }
    HelpWindow &helpWindow() { return *mHelp->helpWindow(); }
    QString currentTopic()
    {
        const QTreeWidgetItem *item = helpWindow().contentsTree()->currentItem();
        return item != nullptr ? item->text(0) : QString();
    }

    HelpCommands *mHelp = nullptr;
};

TEST_F(HelpWindowTest, ToolbarAndMenuOpenTheContentsAndTheSearch)
{
    frmMain &window = open();
    for (const char *command : {"Help", "mnuHelpContents", "mnuHelpSearchForHelpOn"})
        EXPECT_TRUE(window.action(QLatin1String(command))->isEnabled()) << command;

    window.action(QStringLiteral("Help"))->trigger();
    HelpWindow &help = helpWindow();
    EXPECT_TRUE(help.isVisible());
    EXPECT_EQ(help.panes()->currentIndex(), 0);
    EXPECT_EQ(help.currentPage(), QStringLiteral("welcome.html"));
    EXPECT_EQ(currentTopic(), QStringLiteral("Welcome to Vendara"));
    EXPECT_EQ(help.windowTitle(), QStringLiteral("Vendara Help - Welcome to Vendara"));
    EXPECT_GT(help.contentsTree()->topLevelItemCount(), 5);

    // The search pane keeps the page that is shown.
    help.showPage(QStringLiteral("quotes.html"));
    window.action(QStringLiteral("mnuHelpSearchForHelpOn"))->trigger();
    EXPECT_EQ(help.panes()->currentIndex(), 1);
    EXPECT_EQ(help.currentPage(), QStringLiteral("quotes.html"));

    help.searchBox()->setText(QStringLiteral("discount"));
    help.listTopics();
    ASSERT_GT(help.searchResults()->count(), 1);
    EXPECT_EQ(help.searchResults()->item(0)->text(), QStringLiteral("Discounts on a quote"));
    emit help.searchResults()->itemActivated(help.searchResults()->item(0));
    EXPECT_EQ(help.currentPage(), QStringLiteral("discounts.html"));
    EXPECT_EQ(help.browser()->textCursor().selectedText().toLower(), QStringLiteral("discount"));

    help.searchBox()->setText(QStringLiteral("xylophone"));
    help.listTopics();
    ASSERT_EQ(help.searchResults()->count(), 1);
    EXPECT_EQ(help.searchResults()->item(0)->text(), QStringLiteral("No topics found."));

    window.action(QStringLiteral("mnuHelpContents"))->trigger();
    EXPECT_EQ(help.panes()->currentIndex(), 0);
    EXPECT_TRUE(mPrompter.prompts().isEmpty());
}

TEST_F(HelpWindowTest, ContextIdsOpenTheirTopics)
{
    frmMain &window = open();
    window.context().help()->showTopic(1090);
    HelpWindow &help = helpWindow();
    EXPECT_TRUE(help.isVisible());
    EXPECT_EQ(help.currentPage(), QStringLiteral("spreadsheetupdate.html"));
    EXPECT_EQ(currentTopic(), QStringLiteral("Adding products from a spreadsheet"));

    window.context().help()->showTopic(2050);
    EXPECT_EQ(help.currentPage(), QStringLiteral("handheld.html"));
    EXPECT_EQ(currentTopic(), QStringLiteral("Sending products to the handheld"));

    // Links move the contents along; Back returns.
    help.showPage(QStringLiteral("pricepoints.html"));
    EXPECT_EQ(currentTopic(), QStringLiteral("Quantity price points"));
    help.browser()->backward();
    EXPECT_EQ(help.currentPage(), QStringLiteral("handheld.html"));

    EXPECT_TRUE(mPrompter.prompts().isEmpty());
    window.context().help()->showTopic(4711);
    ASSERT_EQ(mPrompter.prompts().size(), 1);
    EXPECT_EQ(mPrompter.prompts()[0].text,
              QStringLiteral("The help has no topic number 4711; the contents are shown instead."));
    EXPECT_EQ(mPrompter.prompts()[0].caption, QStringLiteral("Vendara Help"));
    EXPECT_EQ(help.currentPage(), QStringLiteral("welcome.html"));
}

TEST_F(HelpWindowTest, HelpAskedForFromAModalWindowCanBeUsed)
{
    frmMain &window = open();
    QDialog modal(&window);
    modal.setWindowModality(Qt::ApplicationModal);
    modal.show();
    ASSERT_EQ(QApplication::activeModalWidget(), &modal);

    window.context().help()->showTopic(1091);
    HelpWindow &help = helpWindow();
    EXPECT_EQ(help.currentPage(), QStringLiteral("updatingprices.html"));
    EXPECT_EQ(QApplication::activeModalWidget(), &help);

    // Closed, the modal window takes input again, and the help opened from the main window
    // blocks nothing.
    help.close();
    EXPECT_EQ(QApplication::activeModalWidget(), &modal);
    modal.close();
    window.context().help()->showContents();
    EXPECT_TRUE(help.isVisible());
    EXPECT_EQ(help.windowModality(), Qt::NonModal);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(HelpWindowTest, MissingHelpIsReportedAndFoundOnceInstalled)
{
    frmMain &window = open(false);
    window.action(QStringLiteral("Help"))->trigger();
    ASSERT_EQ(mPrompter.prompts().size(), 1);
    EXPECT_EQ(mPrompter.prompts()[0].text,
              texts::helpFolderMissing(QDir(mDir.path()).filePath(QStringLiteral("help"))));
    EXPECT_EQ(mPrompter.prompts()[0].caption, QStringLiteral("Vendara Help"));
    EXPECT_EQ(mPrompter.prompts()[0].icon, prompt::Icon::Exclamation);
    EXPECT_FALSE(helpWindow().isVisible());

    QFile::link(QStringLiteral(PROGRAM_DIR "/help"),
                QDir(mDir.path()).filePath(QStringLiteral("help")));
    window.action(QStringLiteral("Help"))->trigger();
    EXPECT_TRUE(helpWindow().isVisible());
    EXPECT_EQ(mPrompter.prompts().size(), 1);
}

TEST_F(HelpWindowTest, TheProgramContextForgetsTheHelpWithTheWindow)
{
    open();
    EXPECT_EQ(mContext->help(), &mHelp->help());
    mWindow.reset();
    EXPECT_EQ(mContext->help(), nullptr);
}

} // namespace
