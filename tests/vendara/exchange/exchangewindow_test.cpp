// The spreadsheet commands on the main window and the update window, headless: the
// questions, the workbook read in the reader process (damaged files, a failing reader, Cancel
// while it reads), the lists as the window shows them, the import run between events with its
// progress caption and Cancel, the update with its preview, "Undo Last Import", the help keys,
// and the export from the toolbar.

#include "catalogue.h"
#include "damagedfiles.h"
#include "productrows.h"

#include "tests/support/scriptedprompter.h"
#include "tests/vendara/window/cataloguewindowfixture.h"
#include "vendara/exchange/exchangecommands.h"
#include "vendara/exchange/exportfile.h"
#include "vendara/exchange/frmimportpreview.h"
#include "vendara/exchange/frmupdate.h"
#include "vendara/exchange/workbookprocess.h"
#include "vendara/store/helptopics.h"
#include "vendara/store/productcolumns.h"
#include "vendara/store/programcontext.h"
#include "vendara/window/catalogueediting.h"
#include "vendara/window/discountstab.h"
#include "vendara/window/frmmain.h"
#include "vendara/window/generaltab.h"
#include "vendara/window/productgrid.h"
#include "vendara/window/producthistory.h"

// Qt
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QCursor>
#include <QDir>
#include <QFileInfo>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

// std
#include <cerrno>
#include <csignal>

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
        useReader(QStringLiteral(PROGRAM_DIR "/vendara-sheet"));
    }

    // The workbook reader process beside the program.
    void useReader(const QString &program)
    {
        const QString beside = QDir(mDir.path()).filePath(QStringLiteral("vendara-sheet"));
        QFile::remove(beside);
        ASSERT_TRUE(QFile::link(program, beside));
    }
    void run(const char *command) { mWindow->action(QLatin1String(command))->trigger(); }
    // Opens the update window on a workbook through the toolbar's "New" and waits until the
    // workbook has been read: the window then shows its lists, or is gone.
    FrmUpdate *openUpdate(const QString &workbook)
    {
        mPrompter.answer(Answer::Yes).chooseFile(workbook);
        run("New");
        QElapsedTimer clock;
        clock.start();
        while (mCommands->updateWindow() != nullptr && mCommands->updateWindow()->reading()
               && clock.elapsed() < 60000)
            QTest::qWait(5);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
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
    EXPECT_EQ(partNumber->count(), 5);
    EXPECT_EQ(partNumber->currentText(), QStringLiteral("Col 0-  Part Number"));
    // Each list is named by its label, and the label leads to it.
    for (const auto &field : UpdateFields::fields()) {
        const QString label = QString::fromLatin1(field.label);
        EXPECT_EQ(window->field(field.list)->accessibleName(), label);
        int buddies = 0;
        for (const QLabel *shown : window->findChildren<QLabel *>())
            buddies += shown->text() == label && shown->buddy() == window->field(field.list);
        EXPECT_EQ(buddies, 1) << field.label;
    }
    EXPECT_EQ(window->field(14)->currentText(), QStringLiteral("Skip Field"));
    EXPECT_EQ(window->field(3)->currentText(), QStringLiteral("Col 2-  Price"));
    EXPECT_TRUE(window->ignoreFirstRow()->isChecked());
    EXPECT_EQ(window->ignoreFirstRow()->text(), QStringLiteral("First row contains descriptions"));
    EXPECT_EQ(window->addOption()->text(), QStringLiteral("Add new products to Encyclopedia"));
    EXPECT_TRUE(window->addOption()->isChecked());
    EXPECT_EQ(window->updateOption()->text(),
              QStringLiteral("Add new products and update existing ones"));
    EXPECT_EQ(window->updateOption()->accessibleName(), window->updateOption()->text());
    EXPECT_FALSE(window->updateOption()->isChecked());
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

    // This import can be taken back as well.
    QAction *undo = mWindow->action(QStringLiteral("mnuFileUndoImport"));
    ASSERT_TRUE(undo->isEnabled());
    mPrompter.clear();
    mPrompter.answer(Answer::Yes);
    undo->trigger();
    EXPECT_EQ(mPrompter.messageTexts(),
              QStringList{QStringLiteral("Undo the last spreadsheet import? 4 products added and "
                                         "0 products changed by it will be restored.")});
    EXPECT_EQ(mContext->products().Count(), 2);
    EXPECT_FALSE(undo->isEnabled());
}

// The supplier's sheet of the update tests: B-2 at a new price with a price point, PN-1003
// as it is, two new products.
QString supplierWorkbook(const QString &folder)
{
    testsupport::Catalogue supplier;
    supplier.add({QStringLiteral("B-2"),
                  QStringLiteral("Bracket"),
                  QStringLiteral("#4.25"),
                  {},
                  {},
                  QStringLiteral("10"),
                  QStringLiteral("4")});
    supplier.add({QStringLiteral("PN-1003"), QStringLiteral("Kept"), QStringLiteral("#1")});
    supplier.add({QStringLiteral("N-1"), QStringLiteral("Nut"), QStringLiteral("#0.5")});
    supplier.add({QStringLiteral("N-2"), QStringLiteral("Washer"), QStringLiteral("#0.1")});
    const QString path = QDir(folder).filePath(QStringLiteral("supplier.xlsx"));
    EXPECT_TRUE(ExportFile::writeWorkbook(path, supplier.table).ok());
    return path;
}

TEST_F(ExchangeWindowTest, TheUpdatePreviewsAppliesAndIsUndone)
{
    const QByteArray saved = testsupport::readBytes(catalogue());
    QAction *undo = mWindow->action(QStringLiteral("mnuFileUndoImport"));
    EXPECT_FALSE(undo->isEnabled()); // nothing to undo yet
    FrmUpdate *window = openUpdate(supplierWorkbook(mDir.path()));
    ASSERT_NE(window, nullptr);
    window->field(2)->setCurrentIndex(6); // Price Point 1: F
    window->field(4)->setCurrentIndex(7); // Price 1: G
    QTest::mouseClick(window->updateOption(), Qt::LeftButton, {}, QPoint(5, 5));
    ASSERT_TRUE(window->updateOption()->isChecked());
    mPrompter.clear();
    QTest::mouseClick(window->okButton(), Qt::LeftButton);

    FrmImportPreview *preview = window->preview();
    ASSERT_NE(preview, nullptr);
    EXPECT_TRUE(preview->isVisible());
    EXPECT_EQ(preview->windowTitle(), QStringLiteral("Update Preview"));
    EXPECT_EQ(mContext->products().Count(), 2); // nothing has changed yet
    QStringList counts;
    for (const QLabel *label : preview->countLabels())
        counts << label->text();
    EXPECT_EQ(counts, (QStringList{"New products: 2", "Changed products: 1",
                                   "Unchanged products: 1", "Skipped rows: 0"}));
    const QAbstractItemModel *list = preview->grid()->model();
    EXPECT_EQ(preview->grid()->accessibleName(), QStringLiteral("Planned changes:"));
    ASSERT_EQ(list->rowCount(), 3);
    EXPECT_EQ(list->index(0, 0).data().toString(), QStringLiteral("B-2"));
    EXPECT_EQ(list->index(0, 3).data().toString(), QString::fromUtf8("$3.75 \u2192 $4.25"));
    EXPECT_EQ(list->headerData(5, Qt::Horizontal).toString(), QStringLiteral("Price 1"));
    EXPECT_EQ(list->index(0, 5).data().toString(), QString::fromUtf8("(empty) \u2192 $4.00"));
    EXPECT_EQ(list->index(1, 1).data().toString(), QStringLiteral("New"));
    EXPECT_EQ(list->index(2, 2).data().toString(), QStringLiteral("Washer"));
    for (const QPushButton *button :
         {preview->applyButton(), preview->cancelButton(), preview->copyButton()})
        EXPECT_EQ(button->accessibleName(), button->text());
    EXPECT_EQ(preview->applyButton()->text(), QStringLiteral("Apply"));

    QTest::mouseClick(preview->copyButton(), Qt::LeftButton);
    const QMimeData *copied = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(copied, nullptr);
    EXPECT_TRUE(copied->text().startsWith(QStringLiteral("Part Number\tAction\tProduct Name")));
    EXPECT_TRUE(copied->text().contains(QStringLiteral("N-1\tNew\tNut\t$0.50")));
    EXPECT_TRUE(copied->hasHtml());

    QPointer<FrmUpdate> alive(window);
    QTest::mouseClick(preview->applyButton(), Qt::LeftButton);
    for (int i = 0; i < 200 && alive; ++i)
        QApplication::processEvents();
    EXPECT_EQ(mCommands->updateWindow(), nullptr);
    EXPECT_EQ(mPrompter.messageTexts(),
              QStringList{QStringLiteral("3 changes have been made to the knowledge base.")});
    // The grid and the price schedule show the new prices.
    EXPECT_EQ(mContext->products().Count(), 4);
    ASSERT_EQ(mWindow->currentRow(), 1);
    const int price = mWindow->productModel()->columnOf(product::Price);
    EXPECT_EQ(mWindow->productModel()->index(0, price).data().toString(), QStringLiteral("$4.25"));
    EXPECT_EQ(mWindow->generalTab()->txtPrice()->text(), QStringLiteral("$4.25"));
    const QAbstractItemModel *schedule = mWindow->discountsTab()->priceSchedule()->model();
    EXPECT_EQ(schedule->index(0, 0).data().toString(), QStringLiteral("10"));
    EXPECT_EQ(schedule->index(0, 1).data().toString(), QStringLiteral("$4.00"));

    // Undo: asked, then the catalogue as it was, and nothing more to undo.
    ASSERT_TRUE(undo->isEnabled());
    EXPECT_EQ(undo->text(), QStringLiteral("Undo Last Import"));
    mPrompter.clear();
    mPrompter.answer(Answer::No);
    undo->trigger();
    EXPECT_EQ(mContext->products().Count(), 4);
    mPrompter.answer(Answer::Yes);
    undo->trigger();
    EXPECT_EQ(mPrompter.messageTexts().last(),
              QStringLiteral("Undo the last spreadsheet import? 2 products added and 1 products "
                             "changed by it will be restored."));
    EXPECT_EQ(mContext->products().Count(), 2);
    EXPECT_EQ(mWindow->generalTab()->txtPrice()->text(), QStringLiteral("$3.75"));
    EXPECT_EQ(schedule->index(0, 1).data().toString(), QString());
    EXPECT_FALSE(undo->isEnabled());
    const QString again = QDir(mDir.path()).filePath(QStringLiteral("again.dat"));
    ASSERT_TRUE(mContext->products().WriteProds(again).ok());
    EXPECT_EQ(testsupport::readBytes(again), saved);
}

TEST_F(ExchangeWindowTest, CancelInThePreviewComesBackWithNothingChanged)
{
    FrmUpdate *window = openUpdate(supplierWorkbook(mDir.path()));
    ASSERT_NE(window, nullptr);
    window->updateOption()->setChecked(true);
    mPrompter.clear();
    QTest::mouseClick(window->okButton(), Qt::LeftButton);
    ASSERT_NE(window->preview(), nullptr);
    EXPECT_FALSE(window->okButton()->isEnabled());
    QTest::mouseClick(window->preview()->cancelButton(), Qt::LeftButton);
    for (int i = 0; i < 20; ++i)
        QApplication::processEvents();
    EXPECT_EQ(window->preview(), nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->okButton()->isEnabled());
    EXPECT_TRUE(window->field(3)->isEnabled());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Update"));
    EXPECT_EQ(mContext->products().Count(), 2);
    EXPECT_EQ(table().cell(1, product::Price).toText(), QStringLiteral("3.75"));
    EXPECT_TRUE(mPrompter.prompts().isEmpty());
    EXPECT_FALSE(mWindow->action(QStringLiteral("mnuFileUndoImport"))->isEnabled());

    // Back on "Add new products to Encyclopedia" the window does what it always did.
    QTest::mouseClick(window->addOption(), Qt::LeftButton, {}, QPoint(5, 5));
    window->field(1)->setCurrentIndex(1);
    pressOk(window);
    EXPECT_EQ(mPrompter.messageTexts(),
              QStringList{QStringLiteral("2 changes have been made to the knowledge base.")});
    EXPECT_EQ(table().cell(1, product::Price).toText(), QStringLiteral("3.75"));
}

TEST_F(ExchangeWindowTest, CancelWhileReadingForTheUpdateChangesNothing)
{
    QByteArray rows("Part Number\tProduct Name\tPrice\r\nB-2\tBracket\t9\r\n");
    for (int i = 0; i < 300; ++i)
        rows += "N" + QByteArray::number(i) + "\tNew\t1\r\n";
    const QString path = QDir(mDir.path()).filePath(QStringLiteral("many.txt"));
    testsupport::writeFile(path, rows);
    FrmUpdate *window = openUpdate(path);
    ASSERT_NE(window, nullptr);
    window->updateOption()->setChecked(true);
    window->progressTimer()->setInterval(0);
    QStringList captions;
    QObject::connect(window, &FrmUpdate::rowHandled, window, [&](int row) {
        if (!captions.contains(window->windowTitle()))
            captions << window->windowTitle();
        if (row == 41)
            QTest::mouseClick(window->cancelButton(), Qt::LeftButton);
    });
    mPrompter.clear();
    pressOk(window);
    EXPECT_TRUE(captions.contains(QStringLiteral("Please wait")));
    EXPECT_EQ(mCommands->updateWindow(), nullptr);
    EXPECT_EQ(mContext->products().Count(), 2);
    EXPECT_EQ(table().cell(1, product::Price).toText(), QStringLiteral("3.75"));
    EXPECT_TRUE(mPrompter.prompts().isEmpty());
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

TEST_F(ExchangeWindowTest, DamagedWorkbooksGiveTheMessageAndTheProgramGoesOn)
{
    namespace damaged = testsupport::damaged;
    table().setCell(1, product::Notes, Cell(QStringLiteral("an edit of this session")));
    struct Case
    {
        QString path;
        QString caption;
    };
    const QString folder = mDir.path();
    for (const Case &c : {
             Case{damaged::difatLoop(folder), QStringLiteral("Error 432")},
             Case{damaged::fatRepeated(folder), QStringLiteral("Error 432")},
             Case{damaged::relationshipAboveRoot(folder), QStringLiteral("Error 432")},
             Case{QStringLiteral(TEST_DATA_DIR "/spreadsheets/damaged/freexl-open.xls"),
                  QStringLiteral("Error 432")},
             Case{damaged::hugeDuration(folder), QStringLiteral("Error 13")}, // no heading
         }) {
        SCOPED_TRACE(c.path.toStdString());
        mPrompter.clear();
        EXPECT_EQ(openUpdate(c.path), nullptr);
        ASSERT_EQ(mPrompter.prompts().size(), 3); // the question, the file, the message
        const testsupport::RecordedPrompt &message = mPrompter.prompts().last();
        EXPECT_EQ(message.text, QStringLiteral("This file is not an Excel 97 file."));
        EXPECT_EQ(message.caption, c.caption);
        EXPECT_EQ(message.icon, prompt::Icon::Exclamation);
        EXPECT_EQ(mWindow->cursor().shape(), Qt::ArrowCursor);
    }
    // Deeply nested text is read.
    FrmUpdate *window = openUpdate(damaged::nestedSpans(folder));
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->field(0)->itemText(0), QStringLiteral("Col 0-  Deep"));
    QTest::mouseClick(window->cancelButton(), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    EXPECT_EQ(mContext->products().Count(), 2);
    EXPECT_EQ(table().cell(1, product::Notes).toText(), QStringLiteral("an edit of this session"));
    EXPECT_TRUE(mWindow->isEnabled());
}

TEST_F(ExchangeWindowTest, AReaderThatCrashesIsReportedWithItsReason)
{
    useReader(QStringLiteral(STANDIN_READER));
    const QString path = QDir(mDir.path()).filePath(QStringLiteral("crash.xls"));
    testsupport::writeFile(path, "crash");
    EXPECT_EQ(openUpdate(path), nullptr);
    const testsupport::RecordedPrompt &message = mPrompter.prompts().last();
    EXPECT_EQ(message.text, QStringLiteral("This file is not an Excel 97 file."));
    EXPECT_EQ(message.caption, QStringLiteral("Error 440"));
    EXPECT_EQ(message.detail,
              QStringLiteral("The workbook reader crashed (signal 11, Segmentation fault)."));

    // The program goes on: the next workbook opens.
    useReader(QStringLiteral(PROGRAM_DIR "/vendara-sheet"));
    FrmUpdate *window = openUpdate(testsupport::spreadsheet(QStringLiteral("basic.xls")));
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->field(0)->currentText(), QStringLiteral("Col 0-  Part Number"));
}

TEST_F(ExchangeWindowTest, CancelWhileTheWorkbookIsReadStopsTheReader)
{
    useReader(QStringLiteral(STANDIN_READER));
    const QString path = QDir(mDir.path()).filePath(QStringLiteral("slow.xls"));
    testsupport::writeFile(path, "sleep");
    mPrompter.answer(Answer::Yes).chooseFile(path);
    run("New");
    QPointer<FrmUpdate> window = mCommands->updateWindow();
    ASSERT_NE(window, nullptr);
    // The window is there and handles its events while the reader works, with the hourglass
    // over it and the main window; only Cancel and Help can be used.
    QTest::qWait(200);
    ASSERT_TRUE(window && window->reading());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->cursor().shape(), Qt::WaitCursor);
    EXPECT_EQ(mWindow->cursor().shape(), Qt::WaitCursor);
    EXPECT_FALSE(window->okButton()->isEnabled());
    EXPECT_FALSE(window->field(0)->isEnabled());
    EXPECT_TRUE(window->cancelButton()->isEnabled());
    const qint64 pid = window->reader()->processId();
    ASSERT_GT(pid, 0);
    EXPECT_EQ(::kill(pid_t(pid), 0), 0);

    QTest::mouseClick(window->cancelButton(), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(window, nullptr);
    EXPECT_EQ(mCommands->updateWindow(), nullptr);
    EXPECT_EQ(::kill(pid_t(pid), 0), -1); // killed and gone
    EXPECT_EQ(errno, ESRCH);
    EXPECT_EQ(mWindow->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(mPrompter.prompts().size(), 2); // the question and the file: no message
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

// An import is one step of the product history: "&Undo" takes it back (and with it the
// "Undo Last Import" item), "&Redo" makes it again, and "Undo Last Import" is a step of its
// own that "&Undo" takes back.
TEST_F(ExchangeWindowTest, AnImportIsOneStepOfTheProductHistory)
{
    const QByteArray saved = testsupport::readBytes(catalogue());
    QUndoStack &stack = mWindow->history().stack();
    QAction *undoImport = mWindow->action(QStringLiteral("mnuFileUndoImport"));
    FrmUpdate *window = openUpdate(testsupport::spreadsheet(QStringLiteral("basic.xlsx")));
    ASSERT_NE(window, nullptr);
    pressOk(window);
    ASSERT_EQ(mContext->products().Count(), 6);
    ASSERT_EQ(stack.count(), 1);
    EXPECT_EQ(stack.undoText(), QStringLiteral("Import from Spreadsheet"));
    EXPECT_TRUE(undoImport->isEnabled());

    mWindow->history().undo();
    EXPECT_EQ(mContext->products().Count(), 2);
    EXPECT_FALSE(undoImport->isEnabled());
    const QString undone = QDir(mDir.path()).filePath(QStringLiteral("undone.dat"));
    ASSERT_TRUE(mContext->products().WriteProds(undone).ok());
    EXPECT_EQ(testsupport::readBytes(undone), saved);

    mWindow->history().redo();
    EXPECT_EQ(mContext->products().Count(), 6);
    EXPECT_EQ(table().cell(2, product::PartNumber).toText(), QStringLiteral("PN-1001"));
    EXPECT_TRUE(undoImport->isEnabled());

    mPrompter.answer(Answer::Yes);
    undoImport->trigger();
    EXPECT_EQ(mContext->products().Count(), 2);
    ASSERT_EQ(stack.count(), 2);
    EXPECT_EQ(stack.undoText(), QStringLiteral("Remove Last Import"));
    EXPECT_FALSE(undoImport->isEnabled());

    mWindow->history().undo();
    EXPECT_EQ(mContext->products().Count(), 6);
    EXPECT_TRUE(undoImport->isEnabled());
    EXPECT_EQ(stack.undoText(), QStringLiteral("Import from Spreadsheet"));
}

} // namespace
