// The main window with every feature installed as the program installs them: every toolbar
// button and menu item has its command, and the spreadsheet and export questions are asked
// with their exact texts.

#include "catalogue.h"

#include "tests/support/scriptedprompter.h"
#include "tests/vendara/window/cataloguewindowfixture.h"
#include "vendara/store/programcontext.h"
#include "vendara/window/frmmain.h"
#include "vendara/program/programfeatures.h"

// Qt
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include <gtest/gtest.h>

namespace {

using namespace vendara;
using prompt::Answer;

class ProgramTest : public testsupport::CatalogueWindowFixture
{
protected:
    ProgramTest()
        : CatalogueWindowFixture(testsupport::record({"A-1", "Anchor bolt", "12.5"}))
    {}
    void SetUp() override
    {
        CatalogueWindowFixture::SetUp();
        open();
        ProgramFeatures::install(*mWindow);
    }
};

TEST_F(ProgramTest, EveryButtonAndMenuItemHasItsCommand)
{
    // The toolbar in its order, with the "Edit" check button.
    QStringList keys;
    for (QAction *button : mWindow->toolBar()->actions()) {
        if (!button->isSeparator() && !button->objectName().isEmpty())
            keys << button->objectName();
    }
    EXPECT_EQ(keys,
              QStringList({"New", "Export", "Palm", "Find", "Edit", "Insert", "DelProd", "Help"}));
    for (const QString &key : keys)
        EXPECT_TRUE(mWindow->action(key)->isEnabled()) << key.toStdString();

    // The menu bar and the pop-up menus: every item is wired.
    QList<QMenu *> menus;
    for (QAction *entry : mWindow->menuBar()->actions())
        menus << entry->menu();
    for (const char *popup : {"mnuMainGrid", "mnuQuote", "mnups", "mnusystray"})
        menus << mWindow->menu(QLatin1String(popup));
    QStringList items;
    for (const QMenu *menu : menus) {
        ASSERT_NE(menu, nullptr);
        for (const QAction *item : menu->actions()) {
            if (item->isSeparator())
                continue;
            items << item->objectName();
            EXPECT_TRUE(item->isEnabled()) << item->objectName().toStdString();
            EXPECT_TRUE(mWindow->commands().has(item->objectName()))
                << item->objectName().toStdString();
        }
    }
    EXPECT_EQ(items, QStringList({"mnuFileOpen",
                                  "MnuFileClose",
                                  "mnuFileExit",
                                  "mnuPreview",
                                  "mnuPrint",
                                  "mnuUserOptions",
                                  "mnuAddProd",
                                  "mnuEditProd",
                                  "mnucopyproduct",
                                  "mnuDelProd",
                                  "mnuDelAll",
                                  "mnuHelpContents",
                                  "mnuHelpSearchForHelpOn",
                                  "mnuHelpAbout",
                                  "mnuGrdMainQuote",
                                  "mnuCopyProductInfo",
                                  "mnuQuoteDelete",
                                  "mnuquoteclear",
                                  "mnuResetPrices",
                                  "mnudiscountAll",
                                  "mnuDiscprod",
                                  "mnuquotecopy",
                                  "mnuQuoteNote",
                                  "mnuQuoteSaveAs",
                                  "mnuQuoteOpen",
                                  "mnuQuoteNew",
                                  "mnuQuotePrint",
                                  "mnuQuotePdf",
                                  "mnuclearprices",
                                  "mnushow",
                                  "mnuremove"}));
}

TEST_F(ProgramTest, SpreadsheetAndExportQuestionsAskWithTheirOwnWords)
{
    // Answered No, none of them goes further.
    for (int i = 0; i < 4; ++i)
        mPrompter.answer(Answer::No);
    for (const char *command : {"New", "mnuFileOpen", "Export", "MnuFileClose"})
        mWindow->action(QLatin1String(command))->trigger();

    ASSERT_EQ(mPrompter.prompts().size(), 4);
    const QStringList texts = mPrompter.messageTexts();
    EXPECT_EQ(texts, QStringList({"Do you want to modify the products with an Excel spreadsheet?",
                                  "Do you want to get products from an Excel Spreadsheet?",
                                  "Do you want to export the products to an Excel readable file?",
                                  "Do you want to save the current products to an Excel file?"}));
    for (int i = 0; i < 4; ++i) {
        const testsupport::RecordedPrompt &asked = mPrompter.prompts()[i];
        EXPECT_EQ(asked.caption,
                  i < 2 ? QStringLiteral("Input Excel Data") : QStringLiteral("Export to File"));
        EXPECT_EQ(asked.buttons, prompt::Buttons::YesNo);
        EXPECT_EQ(asked.icon, prompt::Icon::Question);
    }
    EXPECT_EQ(QDir(mDir.path()).entryList(QDir::Files), QStringList({"vadata.dat"}));
}

} // namespace
