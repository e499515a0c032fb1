// The spreadsheet commands on the main window and the update window, headless: the
// questions, the lists as the window shows them, the import run between events with its
// progress caption and Cancel, the help keys, and the export from the toolbar.

#include "catalogue.h"
#include "productrows.h"

#include "tests/support/scriptedprompter.h"
#include "tests/vendara/window/cataloguewindowfixture.h"
#include "vendara/exchange/exchangecommands.h"
#include "vendara/exchange/frmupdate.h"
#include "vendara/store/helptopics.h"
#include "vendara/store/productcolumns.h"
#include "vendara/store/programcontext.h"
#include "vendara/window/catalogueediting.h"
#include "vendara/window/frmmain.h"
#include "vendara/window/generaltab.h"
#include "vendara/window/productgrid.h"

// Qt
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCursor>
#include <QDir>
#include <QFileInfo>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

using namespace vendara;
using prompt::Answer;

class RecordingHelp : public HelpTopics
{
public:
    void showContents() override { shown << 0; }
    void showTopic(int contextId) override { shown << contextId; }
    QList<int> shown;
};

class ExchangeWindowTest : public testsupport::CatalogueWindowFixture
{
protected:
    ExchangeWindowTest()
        : CatalogueWindowFixture(testsupport::record({"B-2", "Bracket", "3.75"})
                                 + testsupport::record({"PN-1003", "Kept", "1"}))
    {}
    void SetUp() override
    {
        CatalogueWindowFixture::SetUp();
        open();
        // The help the update window is given, in place of the program's help pages.
        mContext->setHelp(&mHelp);
        CatalogueEditing::install(*mWindow);
        mCommands = ExchangeCommands::install(*mWindow);
    }

    void run(const char *command) { mWindow->action(QLatin1String(command))->trigger(); }
    // Opens the update window on a workbook through the toolbar's "New".
    FrmUpdate *openUpdate(const QString &workbook)
    {
        mPrompter.answer(Answer::Yes).chooseFile(workbook);
        run("New");
        return mCommands->updateWindow();
    }
    // OK, then waits for the window to go.
    void pressOk(FrmUpdate *window)
    {
        QPointer<FrmUpdate> alive(window);
        QTest::mouseClick(window->okButton(), Qt::LeftButton);
        for (int i = 0; i < 200 && alive; ++i)
            QApplication::processEvents();
    }
    Table &table() { return mContext->productTable(); }

    RecordingHelp mHelp;
    ExchangeCommands *mCommands = nullptr;
};

TEST_F(ExchangeWindowTest, TheUpdateWindowShowsTheListsAndImports)
{
    FrmUpdate *window = openUpdate(testsupport::spreadsheet(QStringLiteral("basic.xlsx")));
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Update"));
    EXPECT_EQ(window->windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(mPrompter.messageTexts(),
              QStringList{QStringLiteral("Do you want to modify the products with an Excel "
                                         "spreadsheet?")});

    QComboBox *partNumber = window->field(0);
    EXPECT_EQ(partNumber->accessibleName(), QStringLiteral("Part Number"));
    EXPECT_EQ(partNumber->count(), 5);
    EXPECT_EQ(partNumber->currentText(), QStringLiteral("Col 0-  Part Number"));
    EXPECT_EQ(window->field(14)->accessibleName(), QStringLiteral("Price 5"));
    EXPECT_EQ(window->field(14)->currentText(), QStringLiteral("Skip Field"));
    EXPECT_EQ(window->field(3)->currentText(), QStringLiteral("Col 2-  Price"));
    EXPECT_TRUE(window->ignoreFirstRow()->isChecked());
    EXPECT_EQ(window->ignoreFirstRow()->text(), QStringLiteral("First row contains descriptions"));
    EXPECT_EQ(window->addOption()->text(), QStringLiteral("Add new products to Encyclopedia"));
    for (const char *name : {"Label1", "Frame1", "Frame2", "Frame3"})
        EXPECT_NE(window->findChild<QWidget *>(QLatin1String(name)), nullptr) << name;

    // Choosing in a list reaches the form; the option button sets the name back to Required.
    window->field(2)->setCurrentIndex(2);
    EXPECT_EQ(window->form().selection(2), 2);
    QTest::mouseClick(window->addOption(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(window->field(1)->currentIndex(), -1);
    EXPECT_EQ(window->field(1)->placeholderText(), QStringLiteral("Required"));
    mPrompter.clear();
    QTest::mouseClick(window->okButton(), Qt::LeftButton);
    EXPECT_EQ(mPrompter.messageTexts(), QStringList{QStringLiteral("Missing required fields")});
    EXPECT_TRUE(window->isVisible());

    window->field(1)->setCurrentIndex(1);
    window->field(2)->setCurrentIndex(0);
    mPrompter.clear();
    pressOk(window);
    EXPECT_EQ(mCommands->updateWindow(), nullptr);
    EXPECT_EQ(mPrompter.messageTexts(),
              QStringList{QStringLiteral("4 changes have been made to the knowledge base.")});
    EXPECT_EQ(mContext->products().Count(), 6);
    EXPECT_EQ(table().cell(1, product::PartNumber).toText(), QStringLiteral("B-2"));
    EXPECT_EQ(table().cell(2, product::PartNumber).toText(), QStringLiteral("PN-1001"));
    // The grid shows the table again from its first row, with that row's details.
    EXPECT_EQ(mWindow->productModel()->rowCount(), 6);
    EXPECT_EQ(mWindow->currentRow(), 1);
    EXPECT_EQ(mWindow->generalTab()->txtPrice()->text(), QStringLiteral("$3.75"));
}

TEST_F(ExchangeWindowTest, NoToTheQuestionOrNoFileOpensNothing)
{
    mPrompter.answer(Answer::No);
    run("mnuFileOpen");
    EXPECT_EQ(mPrompter.prompts().size(), 1);
    EXPECT_EQ(mPrompter.prompts().first().text,
              QStringLiteral("Do you want to get products from an Excel Spreadsheet?"));
    mPrompter.clear();
    mPrompter.answer(Answer::Yes).cancelFile();
    run("mnuFileOpen");
    EXPECT_EQ(mCommands->updateWindow(), nullptr);
    EXPECT_EQ(mPrompter.unanswered(), 0);

    // A file that is no workbook: the message, and no window.
    mPrompter.clear();
    const QString bad = QDir(mDir.path()).filePath(QStringLiteral("bad.xls"));
    testsupport::writeFile(bad, QByteArray("\0\1\2", 3));
    EXPECT_EQ(openUpdate(bad), nullptr);
    EXPECT_EQ(mPrompter.messageTexts().last(),
              QStringLiteral("This file is not an Excel 97 file."));
}

TEST_F(ExchangeWindowTest, ProgressCaptionAndCancelDuringTheImport)
{
    QByteArray rows("Part Number\tProduct Name\r\n");
    for (int i = 0; i < 300; ++i)
        rows += "N" + QByteArray::number(i) + "\tNew\r\n";
    const QString path = QDir(mDir.path()).filePath(QStringLiteral("many.txt"));
    testsupport::writeFile(path, rows);
    FrmUpdate *window = openUpdate(path);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->progressTimer()->interval(), 2000);
    window->progressTimer()->setInterval(0); // every pass of the event loop, for the test

    QStringList captions;
    bool timerRan = false;
    QObject::connect(window, &FrmUpdate::rowHandled, window, [&](int row) {
        timerRan = timerRan || window->progressTimer()->isActive();
        if (!captions.contains(window->windowTitle()))
            captions << window->windowTitle();
        EXPECT_TRUE(window->cancelButton()->isEnabled());
        EXPECT_FALSE(window->okButton()->isEnabled());
        if (row == 41) // rows 2 to 40 handled
            QTest::mouseClick(window->cancelButton(), Qt::LeftButton);
    });
    pressOk(window);
    EXPECT_TRUE(timerRan);
    EXPECT_TRUE(captions.contains(QStringLiteral("Please wait")));
    EXPECT_TRUE(std::any_of(captions.cbegin(), captions.cend(), [](const QString &c) {
        return c.endsWith(QLatin1String(" products analyzed"));
    }));
    // Rows 2 to 40 were handled; Cancel stopped the import after the row in progress.
    EXPECT_EQ(mContext->products().Count(), 2 + 39);
    EXPECT_EQ(mPrompter.messageTexts().last(),
              QStringLiteral("39 changes have been made to the knowledge base."));
    EXPECT_EQ(mCommands->updateWindow(), nullptr);
}

TEST_F(ExchangeWindowTest, EditingEndsBeforeTheImportAndTheRowIsMarked)
{
    QAction *edit = mWindow->action(QStringLiteral("Edit"));
    edit->trigger();
    ASSERT_TRUE(edit->isChecked());
    mWindow->generalTab()->txtPrice()->setText(QStringLiteral("4.25"));
    FrmUpdate *window = openUpdate(testsupport::spreadsheet(QStringLiteral("basic.ods")));
    ASSERT_NE(window, nullptr);
    auto *editing = mWindow->findChild<CatalogueEditing *>();
    QStringList marks;
    QObject::connect(window, &FrmUpdate::rowHandled, window,
                     [&] { marks << editing->editor().addingMarker(); });
    pressOk(window);
    EXPECT_FALSE(edit->isChecked());
    // The price typed before was committed to B-2 (row 1) when editing ended.
    EXPECT_EQ(table().cell(1, product::Price).toText(), QStringLiteral("4.25"));
    EXPECT_EQ(marks.first(), QString()); // cleared after each row
    EXPECT_EQ(editing->editor().addingMarker(), QString());
}

TEST_F(ExchangeWindowTest, HelpButtonAndF1)
{
    FrmUpdate *window = openUpdate(testsupport::spreadsheet(QStringLiteral("basic.xls")));
    ASSERT_NE(window, nullptr);
    QTest::mouseClick(window->helpButton(), Qt::LeftButton);
    QTest::keyClick(window, Qt::Key_F1);
    EXPECT_EQ(mHelp.shown, (QList<int>{0, 1090}));
    QTest::mouseClick(window->cancelButton(), Qt::LeftButton);
    for (int i = 0; i < 20; ++i)
        QApplication::processEvents();
    EXPECT_EQ(mCommands->updateWindow(), nullptr);
    EXPECT_EQ(mContext->products().Count(), 2);
}

TEST_F(ExchangeWindowTest, ExportFromTheToolbarShowsThePriceColumn)
{
    ProductGrid *grid = mWindow->productGrid();
    const int price = mWindow->productModel()->columnOf(product::Price);
    ASSERT_TRUE(grid->isColumnHidden(price));
    const QString target = QDir(mDir.path()).filePath(QStringLiteral("out.xls"));

    mPrompter.answer(Answer::No);
    run("Export");
    EXPECT_FALSE(QFile::exists(target));
    EXPECT_EQ(mPrompter.messageTexts(),
              QStringList{QStringLiteral("Do you want to export the products to an Excel "
                                         "readable file?")});

    mPrompter.clear();
    mPrompter.answer(Answer::Yes).chooseFile(target);
    run("MnuFileClose");
    EXPECT_EQ(mPrompter.messageTexts(),
              QStringList{QStringLiteral("Do you want to save the current products to an Excel "
                                         "file?")});
    EXPECT_FALSE(grid->isColumnHidden(price));
    EXPECT_EQ(testsupport::fileBytes(target).count("\r\n"), 3);
}

TEST_F(ExchangeWindowTest, TheGridsHighlightIsNoSelectionForTheHandheld)
{
    // After loading, the current row is highlighted: that alone sends the products shown.
    ASSERT_EQ(mWindow->currentRow(), 1);
    EXPECT_EQ(mCommands->selectedRows(), QList<int>{});
    mPrompter.answer(Answer::Cancel);
    run("Palm");
    EXPECT_EQ(mPrompter.messageTexts(),
              QStringList{QStringLiteral("Send products shown to palm computer?")});

    QItemSelectionModel *selection = mWindow->productGrid()->selectionModel();
    selection->select(mWindow->productModel()->index(1, 0),
                      QItemSelectionModel::Select | QItemSelectionModel::Rows);
    EXPECT_EQ(mCommands->selectedRows(), (QList<int>{1, 2}));

    // Sent: a converter beside the program that keeps a copy of the file it was given, takes
    // a moment and fails. The hourglass is up over the whole program while it runs.
    const QDir folder(mDir.path());
    testsupport::writeFile(folder.filePath(QStringLiteral("dorvane")),
                           "#!/bin/sh\n"
                           "for a; do case \"$a\" in PDB:INFILE:*) f=${a#PDB:INFILE:?}; "
                           "cp \"${f%?}\" \"$(dirname \"$0\")/seen.csv\";; esac; done\n"
                           "sleep 1\nexit 3\n");
    QFile::setPermissions(folder.filePath(QStringLiteral("dorvane")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QList<int> pointers;
    QTimer sample;
    QObject::connect(&sample, &QTimer::timeout, [&] {
        const QCursor *cursor = QApplication::overrideCursor();
        pointers << (cursor != nullptr ? int(cursor->shape()) : -1);
    });
    sample.start(100);
    mPrompter.clear();
    mPrompter.answer(Answer::Ok).type(QStringLiteral("Two"));
    run("Palm");
    sample.stop();
    const QStringList texts = mPrompter.messageTexts();
    ASSERT_EQ(texts.size(), 2);
    EXPECT_EQ(texts.first(), QStringLiteral("Send selected products to Palm Computer?"));
    EXPECT_EQ(texts.last(), QStringLiteral("The products were not sent to the handheld: the "
                                           "converter ended with an error (exit status 3)."));
    EXPECT_EQ(testsupport::fileBytes(folder.filePath(QStringLiteral("seen.csv"))).count("\r\n"), 3);
    EXPECT_FALSE(QFileInfo::exists(folder.filePath(QStringLiteral("Two.CSV"))));
    ASSERT_FALSE(pointers.isEmpty());
    EXPECT_TRUE(pointers.contains(int(Qt::WaitCursor)));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

} // namespace
