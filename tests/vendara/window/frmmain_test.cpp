#include "catalogue.h"

#include "tests/support/scriptedprompter.h"
#include "tests/vendara/window/cataloguewindowfixture.h"
#include "vendara/store/numberforms.h"
#include "vendara/store/programcontext.h"
#include "vendara/store/tablemodel.h"
#include "vendara/window/frmmain.h"
#include "vendara/window/generaltab.h"
#include "vendara/window/mainarea.h"
#include "vendara/window/productgrid.h"
#include "vendara/window/splitterframe.h"
#include "vendara/window/statuspanels.h"

// Qt
#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>

// std
#include <algorithm>
#include <cmath>
#include <utility>

#include <gtest/gtest.h>

namespace {

using namespace vendara;
using prompt::Answer;
using testsupport::readBytes;
using testsupport::record;
using testsupport::writeBytes;

const QByteArray kSorted =
    record({"A-1", "Anchor bolt", "12.5", "Zinc plated.\r\n\r\nBox of 50.\r\n", "Washers\r\nNuts",
            "10", "11.00"})
    + record({"b-2", "Bracket", "3.75"}) + record({"C-3", "Clamp", "8"});

class FrmMainTest : public testsupport::CatalogueWindowFixture
{
protected:
    FrmMainTest()
        : CatalogueWindowFixture(kSorted)
    {}

    SettingsStore &settings() { return mContext->settings(); }
    QString setting(const char *key) { return settings().value("Settings", QLatin1String(key)); }
    QString gridText(int row, int column) const
    {
        return mWindow->productModel()->index(row, column).data().toString();
    }
    void mouse(QWidget *widget, QEvent::Type type, QPoint at, Qt::MouseButton button,
               Qt::MouseButtons held)
    {
        QMouseEvent event(type, at, widget->mapToGlobal(at), button, held, Qt::NoModifier);
        QApplication::sendEvent(widget, &event);
    }
};

TEST_F(FrmMainTest, LoadShowsTheSortedCatalogueAndTheCurrentProduct)
{
    writeBytes(catalogue(), record({"C-3", "Clamp", "8"}) + record({"b-2", "Bracket", "3.75"})
                                + kSorted.left(kSorted.indexOf("b-2")));
    frmMain &window = open();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Vendara ver. 1.3"));
    EXPECT_EQ(window.productModel()->rowCount(), 3);
    EXPECT_EQ(gridText(0, 0), QStringLiteral("A-1"));
    EXPECT_EQ(gridText(1, 0), QStringLiteral("b-2"));
    EXPECT_EQ(gridText(2, 1), QStringLiteral("Clamp"));
    EXPECT_EQ(window.productModel()->headerData(0, Qt::Horizontal, Qt::DisplayRole),
              QStringLiteral("Part Number"));
    EXPECT_EQ(window.productModel()->columnCount(), 13);
    EXPECT_TRUE(window.productGrid()->isColumnHidden(2)); // "Price"
    // At the first start "Part Number" is at least as wide as its heading; the product name
    // is four grids wide.
    EXPECT_EQ(window.productGrid()->columnWidth(0),
              std::max(window.twips().toPixels(1100), window.productGrid()->contentWidth(0)));
    EXPECT_EQ(window.productGrid()->columnWidth(1), 4 * (window.width() / 2));

    EXPECT_EQ(window.currentRow(), 1);
    EXPECT_EQ(window.tabs()->currentIndex(), 0);
    const GeneralTab *general = window.generalTab();
    EXPECT_EQ(general->txtPrice()->text(), QStringLiteral("$12.50"));
    EXPECT_EQ(general->txtIncludes()->toPlainText(), QStringLiteral("Washers\nNuts"));
    EXPECT_EQ(general->notesText(), QStringLiteral("Zinc plated.\r\n\r\nBox of 50.\r\n"));
    EXPECT_TRUE(general->txtPrice()->isReadOnly());

    QSignalSpy changing(&window, &frmMain::rowChanging);
    window.setCurrentRow(3);
    ASSERT_EQ(changing.size(), 1);
    EXPECT_EQ(changing[0][0].toInt(), 1);
    EXPECT_EQ(changing[0][1].toInt(), 3);
    EXPECT_EQ(general->txtPrice()->text(), QStringLiteral("$8.00"));
    EXPECT_EQ(general->txtNotes()->toPlainText(), QString());
    EXPECT_TRUE(mPrompter.prompts().isEmpty());

    // Going to a product name keeps the part number in view.
    window.show();
    window.productGrid()->setCurrentIndex(window.productModel()->index(1, 1));
    EXPECT_EQ(window.productGrid()->horizontalScrollBar()->value(), 0);
}

TEST_F(FrmMainTest, HeaderClickSortsEndsEditModeAndShowsTheFirstRow)
{
    frmMain &window = open();
    window.show();
    window.action(QStringLiteral("Edit"))->setChecked(true);
    window.setCurrentRow(3);
    QSignalSpy sorted(&window, &frmMain::sorted);
    QHeaderView *header = window.productGrid()->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(1) + 10, header->height() / 2));
    ASSERT_EQ(sorted.size(), 1);
    EXPECT_EQ(sorted[0][0].toInt(), 2);
    EXPECT_EQ(gridText(0, 1), QStringLiteral("Anchor bolt"));
    EXPECT_EQ(gridText(1, 1), QStringLiteral("Bracket"));
    EXPECT_FALSE(window.editMode());
    EXPECT_EQ(window.currentRow(), 1);
    EXPECT_EQ(window.generalTab()->txtPrice()->text(), QStringLiteral("$12.50"));

    window.sortByColumn(1); // already in that order: nothing moves
    EXPECT_EQ(gridText(2, 1), QStringLiteral("Clamp"));
}

TEST_F(FrmMainTest, MouseOverTheGridShowsTheProductCount)
{
    frmMain &window = open();
    mouse(window.productGrid()->viewport(), QEvent::MouseMove, {5, 5}, Qt::NoButton, {});
    EXPECT_EQ(window.statusPanels()->text(), QStringLiteral("3 Products"));

    writeBytes(catalogue(), QByteArray());
    frmMain &empty = open();
    EXPECT_EQ(empty.productModel()->rowCount(), 0);
    EXPECT_EQ(empty.generalTab()->txtPrice()->text(), QString());
    mouse(empty.productGrid()->viewport(), QEvent::MouseMove, {5, 5}, Qt::NoButton, {});
    EXPECT_EQ(empty.statusPanels()->text(), QStringLiteral("0 Products"));
}

TEST_F(FrmMainTest, ClosingSavesTheCatalogueUnchanged)
{
    writeBytes(catalogue(), record({"C-3", "Clamp", "8"}) + kSorted.left(kSorted.indexOf("C-3")));
    frmMain &window = open();
    window.show();
    window.setCurrentRow(2);
    QSignalSpy unloading(&window, &frmMain::unloading);
    window.action(QStringLiteral("mnuFileExit"))->trigger();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(unloading.size(), 1);
    EXPECT_EQ(readBytes(catalogue()), kSorted); // in part-number order after the first sort
}

TEST_F(FrmMainTest, AFailedSaveKeepsTheWindowOpenWhenTheUserSaysSo)
{
    QFile::remove(catalogue());
    QDir().mkpath(catalogue() + QStringLiteral("/blocked"));
    frmMain &window = open();
    EXPECT_EQ(mPrompter.messageTexts(), QStringList(QStringLiteral("Error reading file #75")));
    window.show();
    mPrompter.answer(Answer::No);
    EXPECT_FALSE(window.close());
    EXPECT_TRUE(window.isVisible());
    mPrompter.answer(Answer::Yes);
    EXPECT_TRUE(window.close());
    EXPECT_EQ(mPrompter.prompts().size(), 3);
}

TEST_F(FrmMainTest, ACatalogueThatCouldNotBeReadIsNotReplacedWhenTheUserSaysNo)
{
    QFile::remove(catalogue());
    ASSERT_TRUE(testsupport::makeUnopenableFile(catalogue()));
    frmMain &window = open();
    EXPECT_EQ(mPrompter.messageTexts(), QStringList(QStringLiteral("Error reading file #75")));
    window.show();
    mPrompter.answer(Answer::No);
    window.action(QStringLiteral("mnuFileExit"))->trigger();
    EXPECT_FALSE(window.isVisible()); // the window closes all the same
    ASSERT_EQ(mPrompter.prompts().size(), 2);
    EXPECT_TRUE(mPrompter.prompts().at(1).text.contains(
        QStringLiteral("Replace it with the 0 products now shown?")));
    EXPECT_FALSE(QFileInfo(catalogue()).isFile());
    EXPECT_FALSE(setting("MainWidth").isEmpty()); // the layout is stored as always
}

TEST_F(FrmMainTest, FirstStartFitsTheScreenAndTheNextStartRestoresItExactly)
{
    writeBytes(catalogue(), record({"A-1", "Anchor bolt"})
                                + record({"QX-2000-EXTRA-LONG-PART-NUMBER", "Long one"}));
    frmMain &first = open();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const Twips &t = first.twips();
    // About two thirds of the screen's free area, in its middle, splitter at half.
    EXPECT_NEAR(double(first.width()) * first.height() / (screen.width() * screen.height()),
                2.0 / 3, 0.01);
    EXPECT_LE(std::abs(first.geometry().center().x() - screen.center().x()), 1);
    EXPECT_LE(std::abs(first.geometry().center().y() - screen.center().y()), 1);
    EXPECT_EQ(first.mainArea()->screenSplit(), 50);
    // "Part Number" shows its heading and the longest part number whole.
    ProductGrid *grid = first.productGrid();
    const int partWidth = grid->columnWidth(0);
    EXPECT_GE(partWidth, grid->horizontalHeader()->sectionSizeHint(0));
    EXPECT_GE(partWidth, grid->sizeHintForIndex(first.productModel()->index(1, 0)).width());
    EXPECT_GT(partWidth, t.toPixels(1100));
    first.show();
    const QPoint place = first.pos();
    const QSize size = first.size();
    first.close();
    // Stored in twips, and the same window at the next start.
    EXPECT_EQ(setting("MainLeft"), QString::number(t.fromPixels(place.x())));
    EXPECT_EQ(setting("MainWidth"), QString::number(t.fromPixels(size.width())));
    EXPECT_EQ(setting("Colwidth"), QString::number(NumberForms::round(t.fromPixels(partWidth))));
    frmMain &second = open();
    EXPECT_EQ(second.pos(), place);
    EXPECT_EQ(second.size(), size);
    EXPECT_EQ(second.productGrid()->columnWidth(0), partWidth);
}

TEST_F(FrmMainTest, AStoredLayoutIsUsedAsItIs)
{
    for (const auto &[key, value] : {std::pair{"MainLeft", "1000"},
                                     {"MainTop", "1000"},
                                     {"MainWidth", "9000"},
                                     {"MainHeight", "6500"}})
        SettingsStore().setValue("Settings", QLatin1String(key), QLatin1String(value));
    frmMain &first = open();
    const Twips &t = first.twips();
    EXPECT_EQ(first.pos(), QPoint(t.toPixels(1000), t.toPixels(1000)));
    EXPECT_EQ(first.size(), QSize(t.toPixels(9000), t.toPixels(6500)));
    EXPECT_EQ(first.mainArea()->screenSplit(), 50);
    EXPECT_EQ(first.productGrid()->columnWidth(0), t.toPixels(1100));
    first.show();
    first.move(120, 90);
    first.resize(760, 520);
    first.productGrid()->setColumnWidth(0, 100);
    first.close();
    EXPECT_EQ(setting("MainLeft"), QString::number(t.fromPixels(120)));
    EXPECT_EQ(setting("MainTop"), QString::number(t.fromPixels(90)));
    EXPECT_EQ(setting("MainWidth"), QString::number(t.fromPixels(760)));
    EXPECT_EQ(setting("MainHeight"), QString::number(t.fromPixels(520)));
    EXPECT_EQ(setting("ScreenSplit"), QStringLiteral("50"));
    EXPECT_EQ(setting("Colwidth"), QString::number(t.fromPixels(100)));

    frmMain &second = open();
    EXPECT_EQ(second.pos(), QPoint(120, 90));
    EXPECT_EQ(second.size(), QSize(760, 520));
    EXPECT_EQ(second.productGrid()->columnWidth(0), 100);
}

TEST_F(FrmMainTest, ClosingWhileMinimizedKeepsTheStoredLayout)
{
    frmMain &first = open();
    first.show();
    first.close();
    const QString width = setting("MainWidth");

    frmMain &window = open();
    window.show();
    window.resize(900, 600);
    window.showMinimized();
    writeBytes(catalogue(), QByteArray("changed on disk"));
    window.close();
    EXPECT_EQ(setting("MainWidth"), width);
    EXPECT_EQ(readBytes(catalogue()), kSorted); // the catalogue is saved all the same
}

TEST_F(FrmMainTest, DraggingTheSplitterStaysAwayFromTheEdges)
{
    frmMain &window = open();
    window.show();
    window.resize(900, 600);
    MainArea *area = window.mainArea();
    SplitterFrame *splitter = area->splitter();
    const Twips &t = window.twips();
    const int gridWidth = window.productGrid()->width();
    EXPECT_EQ(gridWidth, area->width() / 2);

    // To 400 twips from the left edge: nothing moves.
    const int at400 = t.toPixels(400) - splitter->x();
    mouse(splitter, QEvent::MouseButtonPress, {2, 10}, Qt::LeftButton, Qt::LeftButton);
    mouse(splitter, QEvent::MouseMove, {at400, 10}, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(window.productGrid()->width(), gridWidth);
    EXPECT_EQ(area->screenSplit(), 50);

    // To 600 twips: the grid follows and the percentage of the window's width is kept.
    const int at600 = t.toPixels(600) - splitter->x();
    mouse(splitter, QEvent::MouseMove, {at600, 10}, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(window.productGrid()->width(), t.toPixels(600));
    const int expected = int(NumberForms::round(
        t.fromPixels(t.toPixels(600)) / t.fromPixels(window.frameGeometry().width()) * 100));
    EXPECT_EQ(area->screenSplit(), expected);
    mouse(splitter, QEvent::MouseButtonRelease, {at600, 10}, Qt::LeftButton, {});
    EXPECT_TRUE(window.tabs()->isVisible());
    EXPECT_EQ(window.productGrid()->width(), int(area->width() * expected * 0.01));
    window.close();
    EXPECT_EQ(setting("ScreenSplit"), QString::number(expected));
}

TEST_F(FrmMainTest, MenusToolbarAndPopUpsAreInPlace)
{
    frmMain &window = open();
    QStringList bar;
    for (QAction *menu : window.menuBar()->actions())
        bar << menu->text();
    EXPECT_EQ(bar, QStringList({"&File", "Print", "&Settings", "&Products", "&Help"}));
    auto items = [&](const char *menu) {
        QStringList texts;
        for (QAction *item : window.menu(QLatin1String(menu))->actions())
            texts << (item->isSeparator() ? QStringLiteral("-") : item->text());
        return texts;
    };
    EXPECT_EQ(items("MnuFile"), QStringList({"&Open Excel File", "Undo Last Import",
                                             "&Save to Excel", "-", "E&xit"}));
    EXPECT_EQ(items("mnuEdit"), QStringList({"Setup", "Print Price List"}));
    EXPECT_EQ(items("mnuView"), QStringList({"&Password"}));
    EXPECT_EQ(items("mnuproducts"), QStringList({"&Add", "&Edit", "-", "&Copy Product Info", "-",
                                                 "&Delete", "Delete &All", "-", "&Undo", "&Redo"}));
    EXPECT_EQ(items("mnuHelp"),
              QStringList({"&Contents", "&Search For Help On...", "-", "&About "}));
    EXPECT_EQ(items("mnuMainGrid"), QStringList({"Add to &Quote", "&Copy Product Info"}));
    EXPECT_EQ(items("mnuQuote"),
              QStringList({"Remove &Product", "Remove &All", "-", "&Reset Prices", "Discount &All",
                           "Discount &Product", "-", "&Copy", "-", "&Quote Note", "-",
                           "&Save Quote As...", "&Open Quote...", "&New Quote", "-",
                           "&Print Quote...", "Save Quote as P&DF..."}));
    EXPECT_EQ(items("mnups"), QStringList({"&Clear"}));
    EXPECT_EQ(items("mnusystray"), QStringList({"&Show", "&Close"}));

    QStringList tips;
    for (QAction *button : window.toolBar()->actions()) {
        if (!button->toolTip().isEmpty() && !button->isSeparator())
            tips << button->objectName() + QLatin1Char('=') + button->toolTip();
    }
    EXPECT_EQ(tips,
              QStringList({"New=Open Excel File", "Export=Save to Excel File",
                           "Palm=Send to Palmpilot", "Find=Go to Product (Ctrl+F)",
                           "Edit=Edit Mode", "Insert=New Product", "DelProd=Delete Product (Del)",
                           "Undo=Undo (Ctrl+Z)", "Redo=Redo (Ctrl+Shift+Z)", "Help=Help (F1)"}));
    EXPECT_TRUE(window.action(QStringLiteral("Edit"))->isCheckable());

    // Items come alive when their command is added.
    EXPECT_TRUE(window.action(QStringLiteral("mnuFileExit"))->isEnabled());
    EXPECT_TRUE(window.action(QStringLiteral("mnuUserOptions"))->isEnabled());
    QAction *find = window.action(QStringLiteral("Find"));
    EXPECT_FALSE(find->isEnabled());
    int found = 0;
    window.commands().add(QStringLiteral("Find"), [&] { ++found; });
    EXPECT_TRUE(find->isEnabled());
    find->trigger();
    EXPECT_EQ(found, 1);

    // Moving over the toolbar empties the status text.
    window.statusPanels()->setText(QStringLiteral("3 Products"));
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(window.toolBar(), &enter);
    EXPECT_EQ(window.statusPanels()->text(), QString());
}

TEST_F(FrmMainTest, PasswordCommandFromTheSettingsMenu)
{
    frmMain &window = open();
    mPrompter.type(QStringLiteral("Key")).type(QStringLiteral("Key"));
    window.action(QStringLiteral("mnuUserOptions"))->trigger();
    EXPECT_EQ(setting("UserPassword"), QStringLiteral("Key"));
    EXPECT_EQ(mPrompter.unanswered(), 0);
}

TEST_F(FrmMainTest, NotificationAreaMenuShowsAndCloses)
{
    frmMain &window = open();
    window.show();
    window.showMinimized();
    window.action(QStringLiteral("mnushow"))->trigger();
    EXPECT_FALSE(window.isMinimized());
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.trayIcon()->toolTip(), QStringLiteral("Vendara ver. 1.3"));
    writeBytes(catalogue(), QByteArray());
    window.action(QStringLiteral("mnuremove"))->trigger();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(readBytes(catalogue()), kSorted);
}

TEST_F(FrmMainTest, DiagnosticTraceOnlyWhenAskedFor)
{
    open(true);
    const QStringList texts = mPrompter.messageTexts();
    ASSERT_GE(texts.size(), 3);
    EXPECT_EQ(texts.mid(0, 3),
              QStringList({"Loading form main", "Past loading registry stuff", "Opened Filename"}));
    EXPECT_EQ(mPrompter.prompts()[0].caption, QStringLiteral("Vendara LITE"));
    mPrompter.clear();
    open(false);
    EXPECT_TRUE(mPrompter.prompts().isEmpty());
}

TEST_F(FrmMainTest, TextBoxesRefuseCharactersTheFileCannotHold)
{
    frmMain &window = open();
    GeneralTab *general = window.generalTab();
    general->setLocked(false);
    general->txtPrice()->clear();
    for (const QString &typed : {QStringLiteral("5"), QStringLiteral("€"), QStringLiteral("Ω")}) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, typed);
        QApplication::sendEvent(general->txtPrice(), &press);
    }
    EXPECT_EQ(general->txtPrice()->text(), QStringLiteral("5€"));
    general->txtNotes()->setPlainText(QString());
    general->txtNotes()->insertPlainText(QStringLiteral("Größe ✓ 10\nok"));
    QCoreApplication::processEvents();
    EXPECT_EQ(general->txtNotes()->toPlainText(), QStringLiteral("Größe  10\nok"));
}

} // namespace
