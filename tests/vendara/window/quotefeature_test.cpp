// The quote on the main window: adding from the product grid, typing in the quote grid, the
// quote menu, the discount dialogs, copying the document to the clipboard and the quote note.
#include "catalogue.h"
#include "qstringprint.h"
#include "rtfreader.h"

#include "tests/support/scriptedprompter.h"
#include "tests/vendara/window/cataloguewindowfixture.h"
#include "vendara/pricing/quotemodel.h"
#include "vendara/store/programcontext.h"
#include "vendara/window/frmdiscount.h"
#include "vendara/window/frmmain.h"
#include "vendara/window/frmquotenote.h"
#include "vendara/window/productgrid.h"
#include "vendara/window/quotefeature.h"
#include "vendara/window/quotetab.h"
#include "vendara/window/statuspanels.h"

// Qt
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using namespace vendara;
using testsupport::readBytes;
using testsupport::record;
using testsupport::writeBytes;

// A-1 costs 10.00, 9.50 from ten pieces on; B-2 costs 4.00.
const QByteArray kCatalogue = record({"A-1", "Anchor bolt", "10", "", "Box of 50", "10", "9.50"})
                              + record({"B-2", "Bracket", "4"})
                              + record({"C-3", "Clamp", "8", "", "Two jaws\r\nOne screw"});

class QuoteFeatureTest : public testsupport::CatalogueWindowFixture
{
protected:
    QuoteFeatureTest()
        : CatalogueWindowFixture(kCatalogue)
    {}
    void SetUp() override
    {
        CatalogueWindowFixture::SetUp();
        open();
        mFeature = QuoteFeature::install(*mWindow);
    }

    QString file(const QString &name) const { return QDir(mDir.path()).filePath(name); }
    void trigger(const char *name) { mWindow->action(QLatin1String(name))->trigger(); }
    void addProduct(int row)
    {
        mWindow->setCurrentRow(row);
        trigger("mnuGrdMainQuote");
    }
    QTableView *grid() const { return mWindow->quoteTab()->grdQuote(); }
    QString cell(int line, int column) const
    {
        return mFeature->model()->index(line - 1, column).data().toString();
    }
    // "total / discount / percent" as the boxes show them.
    QString boxes() const
    {
        const QuoteTab *tab = mWindow->quoteTab();
        return tab->txtTotal()->text() + QStringLiteral(" / ") + tab->txtDisc()->text()
               + QStringLiteral(" / ") + tab->txtQdisper()->text();
    }
    void mouse(QWidget *widget, QEvent::Type type, QPoint at, Qt::MouseButton button)
    {
        QMouseEvent event(type, at, widget->mapToGlobal(at), button,
                          type == QEvent::MouseMove ? Qt::NoButton : Qt::MouseButtons(button),
                          Qt::NoModifier);
        QApplication::sendEvent(widget, &event);
    }
    void writeNotes(const QByteArray &heading, const QByteArray &closing)
    {
        writeBytes(file(QStringLiteral("QuoteNoteHead.txt")), heading);
        writeBytes(file(QStringLiteral("QuoteNote.txt")), closing);
    }

    QuoteFeature *mFeature = nullptr;
};

TEST_F(QuoteFeatureTest, AddsTheCurrentProductAndShowsTheQuote)
{
    for (const char *name : {"mnuGrdMainQuote", "mnuQuoteDelete", "mnuquoteclear", "mnuResetPrices",
                             "mnudiscountAll", "mnuDiscprod", "mnuquotecopy", "mnuQuoteNote"})
        EXPECT_TRUE(mWindow->action(QLatin1String(name))->isEnabled()) << name;

    addProduct(3);
    EXPECT_EQ(mWindow->tabs()->currentWidget(), mWindow->quoteTab());
    ASSERT_EQ(mFeature->model()->rowCount(), 1);
    EXPECT_EQ(cell(1, 0), QStringLiteral("C-3"));
    EXPECT_EQ(cell(1, 1), QStringLiteral("Clamp"));
    EXPECT_EQ(cell(1, 2), QStringLiteral("$8.00"));
    EXPECT_EQ(cell(1, 3), QStringLiteral("1"));
    EXPECT_EQ(cell(1, 4), QStringLiteral("$8.00"));
    // The includes as the "Includes" box shows them.
    EXPECT_EQ(mFeature->quote().table().cell(1, 7).toText(),
              QStringLiteral("Two jaws\r\nOne screw"));
    EXPECT_EQ(boxes(), QStringLiteral("$8.00 / $0.00 / 0.00%"));
    // The new line is current, ready for its quantity.
    EXPECT_EQ(grid()->currentIndex(), mFeature->model()->index(0, QuoteModel::QuantityColumn));

    // A right click on the product grid makes the row under the pointer current first.
    ProductGrid *products = mWindow->productGrid();
    const QPoint second(5, products->rowViewportPosition(1) + 3);
    mouse(products->viewport(), QEvent::MouseButtonPress, second, Qt::RightButton);
    mouse(products->viewport(), QEvent::MouseButtonRelease, second, Qt::RightButton);
    EXPECT_EQ(mWindow->currentRow(), 2);
    QMenu *mainGrid = mWindow->menu(QStringLiteral("mnuMainGrid"));
    EXPECT_TRUE(mainGrid->isVisible());
    mainGrid->hide();
    trigger("mnuGrdMainQuote");
    EXPECT_EQ(cell(2, 0), QStringLiteral("B-2"));
    EXPECT_EQ(boxes(), QStringLiteral("$12.00 / $0.00 / 0.00%"));
    EXPECT_TRUE(mPrompter.prompts().isEmpty());
}

TEST_F(QuoteFeatureTest, AmountsAndPartNumbersAreNeverCutAndThePartNumberStaysInView)
{
    // The window at its first-start size, where the quote grid is narrow.
    mWindow->show();
    addProduct(1);
    mFeature->quote().edit(1, 4, QStringLiteral("12000")); // a wide extended price
    QCoreApplication::processEvents();
    QTableView *view = grid();
    const QFontMetrics metrics(view->font());
    for (int column : {0, 2, 3, 4}) {
        const QString text = cell(1, column);
        EXPECT_GE(view->columnWidth(column), metrics.horizontalAdvance(text)) << column;
    }
    EXPECT_EQ(view->columnViewportPosition(0), 0);

    // With room to spare the product name takes the rest of the grid's width.
    mWindow->resize(1200, 700);
    QCoreApplication::processEvents();
    int sum = 0;
    for (int column = 0; column < mFeature->model()->columnCount(); ++column)
        sum += view->columnWidth(column);
    EXPECT_GE(sum, view->viewport()->width() - 1);
}

TEST_F(QuoteFeatureTest, RefusesTheLineAfterTheLastWithAMessage)
{
    mWindow->setCurrentRow(2);
    for (int i = 0; i < 250; ++i)
        trigger("mnuGrdMainQuote");
    EXPECT_TRUE(mPrompter.prompts().isEmpty());
    trigger("mnuGrdMainQuote");
    EXPECT_EQ(mFeature->model()->rowCount(), 250);
    ASSERT_EQ(mPrompter.prompts().size(), 1);
    const auto &refused = mPrompter.prompts().at(0);
    EXPECT_EQ(refused.text, QStringLiteral("The quote already holds 250 lines, as many as it can "
                                           "take. Remove a line before adding another product."));
    EXPECT_EQ(refused.caption, QStringLiteral("Quote"));
    EXPECT_EQ(refused.icon, prompt::Icon::Exclamation);
    EXPECT_EQ(boxes(), QStringLiteral("$1,000.00 / $0.00 / 0.00%"));
}

TEST_F(QuoteFeatureTest, TypingAQuantityRepricesTheLine)
{
    mWindow->show();
    addProduct(1);
    QApplication::setActiveWindow(mWindow.get());
    grid()->setFocus();
    grid()->setCurrentIndex(mFeature->model()->index(0, QuoteModel::QuantityColumn));
    // The first key opens the cell's editor.
    QTest::keyClick(grid(), Qt::Key_1);
    QWidget *editor = QApplication::focusWidget();
    ASSERT_NE(editor, grid());
    QTest::keyClick(editor, Qt::Key_2);
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents(); // the editor commits through a queued call
    EXPECT_EQ(cell(1, 2), QStringLiteral("$9.50"));
    EXPECT_EQ(cell(1, 3), QStringLiteral("12"));
    EXPECT_EQ(cell(1, 4), QStringLiteral("$114.00"));
    EXPECT_EQ(boxes(), QStringLiteral("$114.00 / $6.00 / 5.00%"));

    // Locked columns take no typing.
    grid()->setCurrentIndex(mFeature->model()->index(0, 4));
    QTest::keyClicks(grid(), QStringLiteral("7"));
    EXPECT_EQ(QApplication::focusWidget(), grid());
    EXPECT_EQ(cell(1, 4), QStringLiteral("$114.00"));
}

TEST_F(QuoteFeatureTest, QuoteMenuCommandsChangeLinesAndTotals)
{
    addProduct(1);
    addProduct(2);
    addProduct(3);
    mFeature->model()->setData(mFeature->model()->index(0, QuoteModel::QuantityColumn),
                               QStringLiteral("12"), Qt::EditRole);
    mFeature->model()->setData(mFeature->model()->index(1, QuoteModel::PriceColumn),
                               QStringLiteral("3.00"), Qt::EditRole);
    EXPECT_EQ(boxes(), QStringLiteral("$125.00 / $7.00 / 5.30%"));

    grid()->setCurrentIndex(mFeature->model()->index(2, 0));
    trigger("mnuQuoteDelete");
    ASSERT_EQ(mFeature->model()->rowCount(), 2);
    EXPECT_EQ(boxes(), QStringLiteral("$117.00 / $7.00 / 5.65%"));

    trigger("mnuResetPrices");
    EXPECT_EQ(cell(1, 2), QStringLiteral("$10.00"));
    EXPECT_EQ(cell(1, 3), QStringLiteral("1"));
    EXPECT_EQ(cell(2, 2), QStringLiteral("$4.00"));
    EXPECT_EQ(boxes(), QStringLiteral("$14.00 / $0.00 / 0.00%"));

    trigger("mnuquoteclear");
    EXPECT_EQ(mFeature->model()->rowCount(), 0);
    EXPECT_EQ(boxes(), QStringLiteral(" /  / "));
    trigger("mnuquoteclear");
    EXPECT_EQ(boxes(), QStringLiteral(" /  / "));
    trigger("mnuQuoteDelete"); // no line: only the totals
    EXPECT_EQ(boxes(), QStringLiteral("$0.00 / $0.00 / "));
}

TEST_F(QuoteFeatureTest, RightButtonOpensTheQuoteMenuAndMovesShowHints)
{
    mWindow->show();
    addProduct(1);
    addProduct(2);
    QMenu *menu = mWindow->menu(QStringLiteral("mnuQuote"));
    QWidget *viewport = grid()->viewport();
    const QPoint second(10, grid()->rowViewportPosition(1) + 3);
    mouse(viewport, QEvent::MouseButtonPress, second, Qt::RightButton);
    EXPECT_FALSE(menu->isVisible());
    mouse(viewport, QEvent::MouseButtonRelease, second, Qt::RightButton);
    EXPECT_EQ(mFeature->currentLine(), 2);
    EXPECT_TRUE(menu->isVisible());
    menu->hide();

    QGroupBox *frame = mWindow->quoteTab()->fraQuote();
    mouse(frame, QEvent::MouseButtonPress, {4, 4}, Qt::RightButton);
    EXPECT_TRUE(menu->isVisible());
    menu->hide();

    mouse(frame, QEvent::MouseMove, {4, 4}, Qt::NoButton);
    EXPECT_EQ(mWindow->statusPanels()->text(), QStringLiteral("Right click for quote options."));
    mouse(viewport, QEvent::MouseMove, {4, 4}, Qt::NoButton);
    EXPECT_EQ(mWindow->statusPanels()->text(),
              QStringLiteral("Right click on products for options."));
}

TEST_F(QuoteFeatureTest, DiscountDialogsApplyTheChosenRateWithoutBlocking)
{
    mWindow->show();
    addProduct(1);
    addProduct(3);
    trigger("mnudiscountAll");
    FrmDiscount *all = mFeature->discountAllDialog();
    ASSERT_NE(all, nullptr);
    EXPECT_TRUE(all->isVisible());
    EXPECT_FALSE(all->isModal());
    EXPECT_EQ(all->objectName(), QStringLiteral("FrmDiscount"));
    EXPECT_EQ(all->windowTitle(), QStringLiteral("Discount"));
    EXPECT_EQ(all->cmboDisc()->count(), 13);
    EXPECT_EQ(all->cmboDisc()->currentText(), QStringLiteral("1%"));
    EXPECT_EQ(all->command1()->text(), QStringLiteral("OK"));
    EXPECT_EQ(all->command2()->text(), QStringLiteral("Cancel"));
    // Opening it again brings the same dialog forward.
    trigger("mnudiscountAll");
    EXPECT_EQ(mFeature->discountAllDialog(), all);

    all->cmboDisc()->setCurrentText(QStringLiteral("25%"));
    QTest::mouseClick(all->command2(), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(mFeature->discountAllDialog(), nullptr);
    EXPECT_EQ(cell(1, 2), QStringLiteral("$10.00"));
    EXPECT_EQ(boxes(), QStringLiteral("$18.00 / $0.00 / 0.00%"));

    trigger("mnudiscountAll");
    all = mFeature->discountAllDialog();
    all->cmboDisc()->setCurrentText(QStringLiteral("25%"));
    QTest::mouseClick(all->command1(), Qt::LeftButton);
    EXPECT_FALSE(all->isVisible());
    EXPECT_EQ(cell(1, 2), QStringLiteral("$7.50"));
    EXPECT_EQ(cell(2, 2), QStringLiteral("$6.00"));
    EXPECT_EQ(boxes(), QStringLiteral("$13.50 / $4.50 / 25.00%"));

    // Discount Product takes the grid's current line when OK is pressed.
    trigger("mnuDiscprod");
    FrmDiscount *one = mFeature->discountProductDialog();
    ASSERT_NE(one, nullptr);
    EXPECT_EQ(one->objectName(), QStringLiteral("FrmDiscountprod"));
    grid()->setCurrentIndex(mFeature->model()->index(1, 0));
    one->cmboDisc()->setCurrentText(QStringLiteral("10%"));
    QTest::mouseClick(one->command1(), Qt::LeftButton);
    EXPECT_EQ(cell(1, 2), QStringLiteral("$7.50"));
    EXPECT_EQ(cell(2, 2), QStringLiteral("$7.20"));
}

TEST_F(QuoteFeatureTest, TheDiscountCanBeTypedAndAnyOtherTextIsTheListPrice)
{
    mWindow->show();
    addProduct(1);
    addProduct(3);
    auto typeInto = [](FrmDiscount *dialog, const QString &text) {
        QLineEdit *edit = dialog->cmboDisc()->lineEdit();
        ASSERT_NE(edit, nullptr);
        edit->selectAll();
        QTest::keyClicks(edit, text);
    };

    // A typed entry is that entry's rate; Enter is OK.
    trigger("mnudiscountAll");
    FrmDiscount *all = mFeature->discountAllDialog();
    typeInto(all, QStringLiteral("20%"));
    QTest::keyClick(all->cmboDisc()->lineEdit(), Qt::Key_Return);
    EXPECT_FALSE(all->isVisible());
    EXPECT_EQ(cell(1, 2), QStringLiteral("$8.00"));
    EXPECT_EQ(cell(2, 2), QStringLiteral("$6.40"));

    // "1" is not completed to "1%": it is no entry, the rate 0.
    trigger("mnuDiscprod");
    FrmDiscount *one = mFeature->discountProductDialog();
    grid()->setCurrentIndex(mFeature->model()->index(1, 0));
    typeInto(one, QStringLiteral("1"));
    EXPECT_EQ(one->cmboDisc()->currentText(), QStringLiteral("1"));
    QTest::mouseClick(one->command1(), Qt::LeftButton);
    EXPECT_EQ(cell(1, 2), QStringLiteral("$8.00"));
    EXPECT_EQ(cell(2, 2), QStringLiteral("$8.00"));

    // "List Price" brings every line back; typed texts never join the list.
    trigger("mnudiscountAll");
    all = mFeature->discountAllDialog();
    typeInto(all, QStringLiteral("List Price"));
    QTest::mouseClick(all->command1(), Qt::LeftButton);
    EXPECT_EQ(cell(1, 2), QStringLiteral("$10.00"));
    EXPECT_EQ(boxes(), QStringLiteral("$18.00 / $0.00 / 0.00%"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    trigger("mnudiscountAll");
    EXPECT_EQ(mFeature->discountAllDialog()->cmboDisc()->count(), 13);
    EXPECT_EQ(mFeature->discountAllDialog()->cmboDisc()->currentText(), QStringLiteral("1%"));
}

TEST_F(QuoteFeatureTest, CopyPutsTheDocumentOnTheClipboardInEveryForm)
{
    addProduct(1);
    addProduct(2);
    mFeature->model()->setData(mFeature->model()->index(0, QuoteModel::QuantityColumn),
                               QStringLiteral("12"), Qt::EditRole);
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->setText(QStringLiteral("earlier"));

    // Without the note files the copy stops and the clipboard keeps what it had.
    trigger("mnuquotecopy");
    EXPECT_EQ(clipboard->text(), QStringLiteral("earlier"));
    writeNotes("Acme Tools", "");
    QFile::remove(file(QStringLiteral("QuoteNote.txt")));
    trigger("mnuquotecopy");
    EXPECT_EQ(clipboard->text(), QStringLiteral("earlier"));

    writeNotes("Acme Tools\r\nQuote", "Thank you!");
    trigger("mnuquotecopy");
    const QMimeData *data = clipboard->mimeData();
    ASSERT_NE(data, nullptr);
    const QString expected =
        QStringLiteral("Acme Tools\nQuote\n\n"
                       "A-1 \tAnchor bolt\n"
                       "Quantity 12\tList: $10.00\tPrice: $9.50\tDiscount: 5.00%\tExt.: $114.00\n"
                       "Box of 50\n\n"
                       "B-2 \tBracket\n"
                       "Quantity 1\t\tPrice $4.00\t\t\tExtended Price  $4.00\n\n\n"
                       "\nDiscount Amount = $6.00\n\nOrder Total = $118.00\n\nThank you!");
    EXPECT_EQ(data->text().toStdString(), expected.toStdString());
    const QByteArray rtf = data->data(QStringLiteral("text/rtf"));
    EXPECT_EQ(data->data(QStringLiteral("application/rtf")), rtf);
    const auto read = testsupport::readRtf(rtf);
    ASSERT_TRUE(read.valid) << read.error.toStdString();
    EXPECT_EQ(read.text().toStdString(), expected.toStdString());
    EXPECT_TRUE(data->hasHtml());
    EXPECT_TRUE(data->html().contains(QStringLiteral("<b>A-1 \tAnchor bolt<br></b>")));

    // "Do not show Includes information" leaves the includes out.
    mContext->settings().setValue(QStringLiteral("Settings"), QStringLiteral("NoIncludes"),
                                  QStringLiteral("1"));
    trigger("mnuquotecopy");
    EXPECT_FALSE(clipboard->text().contains(QLatin1String("Box of 50")));
}

TEST_F(QuoteFeatureTest, QuoteNoteEditsTheNoteFilesAndTheIncludesSetting)
{
    mWindow->show();
    writeNotes("Acme Tools\r\nQuote", "Thank you!");
    trigger("mnuQuoteNote");
    FrmQuoteNote *note = mFeature->quoteNoteDialog();
    ASSERT_NE(note, nullptr);
    EXPECT_TRUE(note->isVisible());
    EXPECT_FALSE(note->isModal());
    EXPECT_EQ(note->windowTitle(), QStringLiteral("Quote Note"));
    EXPECT_EQ(note->txttop()->toPlainText(), QStringLiteral("Acme Tools\nQuote"));
    EXPECT_EQ(note->txtbottom()->toPlainText(), QStringLiteral("Thank you!"));
    EXPECT_FALSE(note->chkincludes()->isChecked());
    EXPECT_EQ(note->chkincludes()->text(), QStringLiteral("Do not show Includes information"));
    EXPECT_EQ(note->cmdNextTip()->text(), QStringLiteral("&Cancel"));

    // The check box is stored at once, even when the dialog is cancelled.
    QTest::mouseClick(note->chkincludes(), Qt::LeftButton);
    EXPECT_EQ(mContext->settings().value(QStringLiteral("Settings"), QStringLiteral("NoIncludes")),
              QStringLiteral("1"));
    note->txttop()->setPlainText(QStringLiteral("Changed"));
    QTest::mouseClick(note->cmdNextTip(), Qt::LeftButton);
    EXPECT_FALSE(note->isVisible());
    EXPECT_EQ(readBytes(file(QStringLiteral("QuoteNoteHead.txt"))),
              QByteArray("Acme Tools\r\nQuote"));

    trigger("mnuQuoteNote");
    note = mFeature->quoteNoteDialog();
    EXPECT_TRUE(note->chkincludes()->isChecked());
    QTest::mouseClick(note->chkincludes(), Qt::LeftButton);
    EXPECT_EQ(mContext->settings().value(QStringLiteral("Settings"), QStringLiteral("NoIncludes")),
              QStringLiteral("0"));
    note->txttop()->setPlainText(QStringLiteral("Acme Tools Ltd.\nQuotation"));
    note->txtbottom()->setPlainText(QStringLiteral("Prices in €.\nThanks"));
    QTest::mouseClick(note->cmdOK(), Qt::LeftButton);
    EXPECT_FALSE(note->isVisible());
    EXPECT_EQ(readBytes(file(QStringLiteral("QuoteNoteHead.txt"))),
              QByteArray("Acme Tools Ltd.\r\nQuotation"));
    EXPECT_EQ(readBytes(file(QStringLiteral("QuoteNote.txt"))),
              QByteArray("Prices in \x80.\r\nThanks"));
    EXPECT_TRUE(mPrompter.prompts().isEmpty());
}

TEST_F(QuoteFeatureTest, QuoteNoteAndDocumentReadNoIncludesTheSameWay)
{
    // What the check box shows is what the copied document does, for values typed by hand
    // into the settings file too.
    mWindow->show();
    writeNotes("Quote", "Thanks");
    addProduct(1);
    QClipboard *clipboard = QGuiApplication::clipboard();
    for (const auto &[value, hidden] :
         {std::pair{"1", true}, std::pair{" 1 ", true}, std::pair{"1\t", true},
          std::pair{"0", false}, std::pair{"", false}, std::pair{"01", false},
          std::pair{"1.0", false}, std::pair{"yes", false}}) {
        mContext->settings().setValue(QStringLiteral("Settings"), QStringLiteral("NoIncludes"),
                                      QLatin1String(value));
        trigger("mnuQuoteNote");
        FrmQuoteNote *note = mFeature->quoteNoteDialog();
        ASSERT_NE(note, nullptr);
        EXPECT_EQ(note->chkincludes()->isChecked(), hidden) << '"' << value << '"';
        QTest::mouseClick(note->cmdNextTip(), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        trigger("mnuquotecopy");
        EXPECT_EQ(clipboard->text().contains(QLatin1String("Box of 50")), !hidden)
            << '"' << value << '"';
    }
}

TEST_F(QuoteFeatureTest, QuoteNoteReportsAFailedSaveAndStaysOpen)
{
    mWindow->show();
    trigger("mnuQuoteNote");
    FrmQuoteNote *note = mFeature->quoteNoteDialog();
    EXPECT_EQ(note->txttop()->toPlainText(), QString()); // no files yet
    QDir(mDir.path()).mkdir(QStringLiteral("QuoteNote.txt"));
    note->txtbottom()->setPlainText(QStringLiteral("Thanks"));
    QTest::mouseClick(note->cmdOK(), Qt::LeftButton);
    ASSERT_EQ(mPrompter.prompts().size(), 1);
    const auto &shown = mPrompter.prompts().at(0);
    EXPECT_TRUE(shown.text.startsWith(QStringLiteral("The quote note could not be saved to ")
                                      + file(QStringLiteral("QuoteNote.txt"))))
        << shown.text.toStdString();
    EXPECT_EQ(shown.caption, QStringLiteral("Quote Note"));
    EXPECT_EQ(shown.icon, prompt::Icon::Exclamation);
    EXPECT_TRUE(note->isVisible());
    EXPECT_EQ(note->txtbottom()->toPlainText(), QStringLiteral("Thanks"));
}

} // namespace
