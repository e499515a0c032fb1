// The main window with every feature installed as the program installs them: every toolbar
// button and menu item has its command, and the spreadsheet and export questions are asked
// with their exact texts.

#include "catalogue.h"

#include "tests/support/scriptedprompter.h"
#include "tests/vendara/window/cataloguewindowfixture.h"
#include "vendara/exchange/frmupdate.h"
#include "vendara/store/programcontext.h"
#include "vendara/window/frmmain.h"
#include "vendara/window/generaltab.h"
#include "vendara/program/programfeatures.h"

// Qt
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QMimeData>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QToolBar>
#include <QUrl>

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
    EXPECT_EQ(keys, QStringList({"New", "Export", "Palm", "Find", "Edit", "Insert", "DelProd",
                                 "Undo", "Redo", "Help"}));
    // Undo and redo wait for a step of the history, "Undo Last Import" for an import.
    const QStringList history = {"Undo", "Redo", "mnuUndo", "mnuRedo", "mnuFileUndoImport"};
    for (const QString &key : keys) {
        EXPECT_TRUE(mWindow->commands().has(key)) << key.toStdString();
        EXPECT_EQ(mWindow->action(key)->isEnabled(), !history.contains(key)) << key.toStdString();
    }

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
            EXPECT_EQ(item->isEnabled(), !history.contains(item->objectName()))
                << item->objectName().toStdString();
            EXPECT_TRUE(mWindow->commands().has(item->objectName()))
                << item->objectName().toStdString();
        }
    }
    EXPECT_EQ(items, QStringList({"mnuFileOpen",        "mnuFileUndoImport",
                                  "MnuFileClose",       "mnuFileExit",
                                  "mnuPreview",         "mnuPrint",
                                  "mnuUserOptions",     "mnuAddProd",
                                  "mnuEditProd",        "mnucopyproduct",
                                  "mnuDelProd",         "mnuDelAll",
                                  "mnuUndo",            "mnuRedo",
                                  "mnuHelpContents",    "mnuHelpSearchForHelpOn",
                                  "mnuHelpAbout",       "mnuGrdMainQuote",
                                  "mnuCopyProductInfo", "mnuQuoteDelete",
                                  "mnuquoteclear",      "mnuResetPrices",
                                  "mnudiscountAll",     "mnuDiscprod",
                                  "mnuquotecopy",       "mnuQuoteNote",
                                  "mnuQuoteSaveAs",     "mnuQuoteOpen",
                                  "mnuQuoteNew",        "mnuQuotePrint",
                                  "mnuQuotePdf",        "mnuclearprices",
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

TEST_F(ProgramTest, ASpreadsheetDroppedOnTheWindowStartsTheUpdateAfterTheQuestion)
{
    const QString csv = QDir(mDir.path()).filePath(QStringLiteral("New prices.csv"));
    testsupport::writeBytes(csv, "Part Number,Product Name,Price\r\nB-7,Bolt,2.5\r\n");
    QMimeData files;
    files.setUrls({QUrl::fromLocalFile(csv)});
    QMimeData other;
    other.setUrls({QUrl::fromLocalFile(QDir(mDir.path()).filePath(QStringLiteral("a.pdf")))});
    // Dragged over the window, or over the notes box, which would take the path as text.
    const auto drop = [](QWidget *target, const QMimeData &data) {
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(target, &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent dropped(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(target, &dropped);
        QApplication::processEvents();
        return dropped.isAccepted();
    };
    QWidget *notes = mWindow->generalTab()->txtNotes()->viewport();
    const QString notesBefore = mWindow->generalTab()->txtNotes()->toPlainText();

    EXPECT_FALSE(drop(mWindow.get(), other));
    EXPECT_TRUE(mPrompter.prompts().isEmpty());

    mPrompter.answer(Answer::No);
    EXPECT_TRUE(drop(notes, files));
    EXPECT_EQ(mPrompter.messageTexts(),
              QStringList({"Do you want to modify the products with an Excel spreadsheet?"}));
    EXPECT_EQ(mWindow->generalTab()->txtNotes()->toPlainText(), notesBefore);
    EXPECT_EQ(mWindow->findChild<FrmUpdate *>(), nullptr);

    // Yes: the update window opens on the dropped file, with no file dialog.
    mPrompter.answer(Answer::Yes);
    EXPECT_TRUE(drop(mWindow.get(), files));
    ASSERT_EQ(mPrompter.prompts().size(), 2);
    EXPECT_EQ(mPrompter.prompts().at(1).kind, testsupport::RecordedPrompt::Kind::Message);
    FrmUpdate *update = mWindow->findChild<FrmUpdate *>();
    ASSERT_NE(update, nullptr);
    EXPECT_TRUE(update->isVisible());
    update->close();
}

} // namespace
