#include "frmmain.h"

#include "discountstab.h"
#include "droppedspreadsheet.h"
#include "generaltab.h"
#include "historytexts.h"
#include "icons.h"
#include "mainarea.h"
#include "mainmenus.h"
#include "productgrid.h"
#include "productgridmodel.h"
#include "producthistory.h"
#include "quotetab.h"
#include "sortcommand.h"
#include "statuspanels.h"

#include "common/widgets/comboboxaccessible.h"
#include "common/widgets/focuskeeper.h"
#include "vendara/store/numberforms.h"
#include "vendara/store/passwordcommand.h"
#include "vendara/store/productcolumns.h"
#include "vendara/store/programcontext.h"
#include "vendara/store/storetexts.h"
#include "vendara/store/tablemodel.h"

// Qt
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMenu>
#include <QScreen>
#include <QSystemTrayIcon>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>

namespace vendara {

namespace {

// GrdMain's design columns, bound by position to table columns 1 to 13. Only "Part Number"
// and "Product Name" are in view; the product name is four grids wide and the rest lie
// beyond it.
QList<GridColumn> productGridColumns()
{
    const CellFormat money = CellFormat::Currency;
    const CellFormat general = CellFormat::GeneralNumber;
    return {{1, QStringLiteral("Part Number")},    {2, QStringLiteral("Product Name")},
            {3, QStringLiteral("Price"), money},   {4, QStringLiteral("Price1"), money},
            {5, QStringLiteral("vol1"), general},  {6, QStringLiteral("Price2"), money},
            {7, QStringLiteral("Vol2"), general},  {8, QStringLiteral("Price3"), money},
            {9, QStringLiteral("vol3"), general},  {10, QStringLiteral("Price4"), money},
            {11, QStringLiteral("vol4"), general}, {12, QStringLiteral("Price5"), money},
            {13, QStringLiteral("vol5"), general}};
}

double screenDpi(const QWidget *widget)
{
    const QScreen *screen = widget->screen();
    if (screen == nullptr)
        screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->logicalDotsPerInchX() : 96.0;
}

} // namespace

frmMain::frmMain(ProgramContext &context, QWidget *parent)
    : QMainWindow(parent)
    , mContext(context)
    , mTwips(screenDpi(this))
    , mHistory(new ProductHistory(context.products(), this))
    , mGrid(new ProductGrid)
    , mModel(new ProductGridModel(context.productTable(), productGridColumns(), *mHistory, this))
    , mTabs(new QTabWidget)
    , mGeneral(new GeneralTab)
    , mQuote(new QuoteTab)
    , mDiscounts(new DiscountsTab)
{
    // Drop-down lists here and in every window opened from here are named by their labels; a
    // closed dialog gives the keyboard back to the window under it.
    common::ComboBoxAccessible::install();
    common::FocusKeeper::install();
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(caption());
    setAccessibleName(caption());
    setWindowIcon(Icons::program());

    mGrid->setModel(mModel);
    mTabs->setObjectName(QStringLiteral("SSTabmain"));
    mTabs->setAccessibleName(QStringLiteral("Product details"));
    mTabs->addTab(mGeneral, QStringLiteral("General"));
    mTabs->addTab(mQuote, QStringLiteral("Quote"));
    mTabs->addTab(mDiscounts, QStringLiteral("Discounts"));

    mArea = new MainArea(mGrid, mTabs, this);
    mArea->setTwips(mTwips);
    setCentralWidget(mArea);
    mMenus = new MainMenus(this, mCommands);
    mStatus = new StatusPanels(statusBar());

    mMenus->toolBar()->installEventFilter(this);
    for (QToolButton *button : mMenus->toolBar()->findChildren<QToolButton *>())
        button->installEventFilter(this);
    mGrid->installEventFilter(this);
    setAcceptDrops(true);

    connect(mGrid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &frmMain::currentIndexChanged);
    connect(mGrid->horizontalHeader(), &QHeaderView::sectionClicked, this, &frmMain::sortByColumn);
    connect(mGrid, &ProductGrid::mouseMoved, this, [this] {
        mStatus->setText(QString::number(mContext.products().Count())
                         + QStringLiteral(" Products"));
    });
    connect(mGrid, &ProductGrid::rightButtonReleased, this,
            [this](int, const QPoint &at) { menu(QStringLiteral("mnuMainGrid"))->popup(at); });
    addOwnCommands();
    followHistory();
}

frmMain::~frmMain()
{
    // Taking the widgets down moves no current row: what the features' row-change handlers
    // use (the product history among it) may be gone first.
    disconnect(mGrid->selectionModel(), nullptr, this, nullptr);
}

void frmMain::addOwnCommands()
{
    mCommands.add(QStringLiteral("mnuFileExit"), [this] { close(); });
    mCommands.add(QStringLiteral("mnuUserOptions"),
                  [this] { PasswordCommand::run(mContext.prompter(), mContext.settings()); });
    mCommands.add(QStringLiteral("mnushow"), [this] { showme(); });
    // "Close" in the notification area's menu closes the window, saving as always, and ends
    // the program.
    mCommands.add(QStringLiteral("mnuremove"), [this] {
        if (close())
            QCoreApplication::quit();
    });
}

void frmMain::followHistory()
{
    // After an undo or a redo the step's row is current and the boxes show it.
    mHistory->setShowRow([this](int row) {
        if (row != ProductHistory::KeepRow)
            setCurrentRow(row);
        showCurrentDetails();
    });
    // The items and buttons name the step they would take back or make again, and are
    // enabled while there is one (and a command to run it).
    const auto refresh = [this] {
        const QUndoStack &stack = mHistory->stack();
        const struct
        {
            const char *item;
            const char *button;
            QString words;
            QString caption;
            bool can;
        } sides[] = {{"mnuUndo", "Undo", stack.undoText(), texts::undoItem(stack.undoText()),
                      stack.canUndo()},
                     {"mnuRedo", "Redo", stack.redoText(), texts::redoItem(stack.redoText()),
                      stack.canRedo()}};
        for (const auto &side : sides) {
            QAction *item = action(QLatin1String(side.item));
            QAction *button = action(QLatin1String(side.button));
            item->setText(side.caption);
            item->setEnabled(side.can && mCommands.has(item->objectName()));
            const QString words =
                QLatin1String(side.button)
                + (side.words.isEmpty() ? QString() : QLatin1Char(' ') + side.words);
            button->setToolTip(MainMenus::withShortcut(words, item->shortcut()));
            button->setEnabled(side.can && mCommands.has(button->objectName()));
        }
    };
    const QUndoStack *stack = &mHistory->stack();
    connect(stack, &QUndoStack::indexChanged, this, refresh);
    connect(stack, &QUndoStack::canUndoChanged, this, refresh);
    connect(stack, &QUndoStack::canRedoChanged, this, refresh);
    connect(stack, &QUndoStack::undoTextChanged, this, refresh);
    connect(stack, &QUndoStack::redoTextChanged, this, refresh);
    connect(&mCommands, &CommandDispatcher::added, this, refresh);
    refresh();
}

QAction *frmMain::action(const QString &name) const
{
    return mMenus->action(name);
}

QMenu *frmMain::menu(const QString &name) const
{
    return mMenus->menu(name);
}

QToolBar *frmMain::toolBar() const
{
    return mMenus->toolBar();
}

int frmMain::load()
{
    const Trace &trace = mContext.trace();
    trace.show(QStringLiteral("Loading form main"), texts::programTitle());
    // Until the window has been closed once, it opens at a size that suits the screen.
    const bool firstStart = !WindowLayout::isStored(mContext.settings());
    const QScreen *screen = QGuiApplication::primaryScreen();
    const WindowLayout layout = firstStart && screen != nullptr
                                    ? WindowLayout::firstStart(screen->availableGeometry(), mTwips)
                                    : WindowLayout::read(mContext.settings());
    applyLayout(layout);
    trace.show(QStringLiteral("Past loading registry stuff"), texts::programTitle());

    mArea->setScreenSplit(layout.screenSplit);
    mTabs->setCurrentIndex(0);
    addTrayIcon();

    mContext.products().load(mContext.catalogueFile());

    mGrid->setColumnHidden(ProductGrid::PriceColumn, true);
    mGrid->setColumnWidth(0, mTwips.toPixels(layout.colWidth));
    // The product name is four grids wide: it fills the view and keeps the design columns
    // beyond the right edge.
    const int gridWidth = int(mTwips.toPixels(layout.width) * layout.screenSplit * 0.01);
    mGrid->setColumnWidth(1, 4 * gridWidth);
    if (firstStart)
        fitPartNumberColumn();
    setCurrentRow(1);
    if (mContext.productTable().rows() == 0)
        showCurrentDetails();
    mGrid->setFocus();
    watchDrops();
    return 0;
}

void frmMain::fitPartNumberColumn()
{
    const int column = ProductGrid::PartNumberColumn;
    mGrid->setColumnWidth(column,
                          std::max(mGrid->columnWidth(column), mGrid->contentWidth(column)));
}

bool frmMain::unload()
{
    emit unloading();
    setCurrentRow(1);
    if (!mContext.saveCatalogue())
        return false;
    for (QWidget *other : QApplication::topLevelWidgets()) {
        if (other != this && other->isVisible() && other->isWindow())
            other->close();
    }
    // A minimized window keeps the layout stored before.
    if (!isMinimized())
        currentLayout().write(mContext.settings());
    if (mTray != nullptr)
        mTray->hide();
    return true;
}

void frmMain::closeEvent(QCloseEvent *event)
{
    if (unload())
        event->accept();
    else
        event->ignore();
}

void frmMain::addTrayIcon()
{
    if (mTray != nullptr)
        return;
    // Where the desktop has no notification area the program simply runs without the icon.
    mTray = new QSystemTrayIcon(Icons::program(), this);
    mTray->setToolTip(caption().left(63));
    mTray->setContextMenu(menu(QStringLiteral("mnusystray")));
    connect(mTray, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::DoubleClick)
                    showme();
            });
    mTray->show();
}

void frmMain::applyLayout(const WindowLayout &layout)
{
    QRect wanted(mTwips.toPixels(layout.left), mTwips.toPixels(layout.top),
                 mTwips.toPixels(layout.width), mTwips.toPixels(layout.height));
    // A window stored on a screen that is no longer there comes back on the primary screen.
    bool onScreen = false;
    for (const QScreen *screen : QGuiApplication::screens())
        onScreen = onScreen || screen->availableGeometry().intersects(wanted);
    if (!onScreen && QGuiApplication::primaryScreen() != nullptr)
        wanted.moveTopLeft(QGuiApplication::primaryScreen()->availableGeometry().topLeft());
    move(wanted.topLeft());
    resize(wanted.size());
}

WindowLayout frmMain::currentLayout() const
{
    WindowLayout layout;
    layout.left = mTwips.fromPixels(pos().x());
    layout.top = mTwips.fromPixels(pos().y());
    layout.width = mTwips.fromPixels(width());
    layout.height = mTwips.fromPixels(height());
    layout.screenSplit = mArea->screenSplit();
    layout.colWidth = int(NumberForms::round(mTwips.fromPixels(mGrid->columnWidth(0))));
    return layout;
}

int frmMain::currentRow() const
{
    const QModelIndex current = mGrid->currentIndex();
    return current.isValid() ? current.row() + 1 : 0;
}

void frmMain::setCurrentRow(int row)
{
    if (row < 1 || row > mModel->rowCount())
        return;
    const int column = std::max(0, mGrid->currentIndex().column());
    mGrid->setCurrentIndex(mModel->index(row - 1, column));
    mGrid->scrollTo(mModel->index(row - 1, 0));
}

bool frmMain::editMode() const
{
    const QAction *edit = action(QStringLiteral("Edit"));
    return edit != nullptr && edit->isChecked();
}

void frmMain::currentIndexChanged(const QModelIndex &current, const QModelIndex &previous)
{
    emit rowChanging(previous.isValid() ? previous.row() + 1 : 0,
                     current.isValid() ? current.row() + 1 : 0);
    showCurrentDetails();
}

void frmMain::sortByColumn(int gridColumn)
{
    // Edit mode ends without committing the text boxes; a cell edit in progress is dropped
    // with the grid's reset.
    if (QAction *edit = action(QStringLiteral("Edit")))
        edit->setChecked(false);
    const int tableColumn = gridColumn + 1;
    mHistory->push(
        new SortCommand(*mHistory, texts::sortStep(tableColumn), tableColumn, currentRow()));
    const int shownBefore = mDetailsShown;
    setCurrentRow(1);
    if (mDetailsShown == shownBefore)
        showCurrentDetails();
    emit sorted(tableColumn);
}

void frmMain::showCurrentDetails()
{
    const int row = currentRow();
    const Table &table = mContext.productTable();
    if (row == 0) {
        mGeneral->showDetails(QString(), QString(), QString());
    } else {
        mGeneral->showDetails(
            TableModel::formatCell(table.cell(row, product::Price), CellFormat::Currency),
            table.cell(row, product::Includes).toText(), table.cell(row, product::Notes).toText());
    }
    ++mDetailsShown;
    emit detailsShown(row);
}

void frmMain::showme()
{
    if (isMinimized())
        showNormal();
    show();
    raise();
    activateWindow();
}

void frmMain::watchDrops()
{
    for (QWidget *child : findChildren<QWidget *>()) {
        if (child->acceptDrops())
            child->installEventFilter(this);
    }
}

bool frmMain::spreadsheetDrop(QEvent *event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto *drag = static_cast<QDragMoveEvent *>(event);
        if (DroppedSpreadsheet::path(drag->mimeData()).isEmpty())
            return false;
        drag->acceptProposedAction();
        return true;
    }
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        const QString path = DroppedSpreadsheet::path(drop->mimeData());
        if (path.isEmpty())
            return false;
        drop->acceptProposedAction();
        // The question and the update window come after the drop has ended: the program
        // the file came from is not kept waiting on them.
        QMetaObject::invokeMethod(
            this, [this, path] { emit spreadsheetDropped(path); }, Qt::QueuedConnection);
        return true;
    }
    default:
        return false;
    }
}

void frmMain::dragEnterEvent(QDragEnterEvent *event)
{
    if (!spreadsheetDrop(event))
        QMainWindow::dragEnterEvent(event);
}

void frmMain::dropEvent(QDropEvent *event)
{
    if (!spreadsheetDrop(event))
        QMainWindow::dropEvent(event);
}

bool frmMain::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != this && spreadsheetDrop(event))
        return true;
    if (watched == mGrid) {
        // In edit mode the Delete key on the grid deletes the current product (after its
        // question); while a cell is being edited it belongs to the cell.
        if (event->type() == QEvent::KeyPress) {
            const auto *key = static_cast<QKeyEvent *>(event);
            const bool plainDelete = key->key() == Qt::Key_Delete
                                     && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
            if (plainDelete && editMode() && !mGrid->isEditingCell()) {
                mCommands.dispatch(QStringLiteral("DelProd"));
                return true;
            }
        }
        return QMainWindow::eventFilter(watched, event);
    }
    // Moving the mouse over the toolbar empties the status text.
    const auto *widget = qobject_cast<QWidget *>(watched);
    const bool onToolBar =
        widget != nullptr && (widget == toolBar() || toolBar()->isAncestorOf(widget));
    if (onToolBar
        && (event->type() == QEvent::Enter || event->type() == QEvent::MouseMove
            || event->type() == QEvent::HoverMove))
        mStatus->setText(QString());
    return QMainWindow::eventFilter(watched, event);
}

} // namespace vendara
