#include "catalogueediting.h"

#include "discountstab.h"
#include "frmmain.h"
#include "frmprompt.h"
#include "generaltab.h"
#include "productgrid.h"

#include "vendara/pricing/pricebox.h"
#include "vendara/store/productcolumns.h"
#include "vendara/store/programcontext.h"
#include "vendara/store/tablemodel.h"

// Qt
#include <QAbstractItemDelegate>
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QEventLoop>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QTableView>

namespace vendara {

namespace {

// The product grid's columns that editing unlocks: "Part Number" and "Product Name".
constexpr int kEditableColumns = 2;

} // namespace

CatalogueEditing *CatalogueEditing::install(frmMain &window)
{
    return new CatalogueEditing(window);
}

CatalogueEditing::CatalogueEditing(frmMain &window)
    : QObject(&window)
    , mWindow(window)
    , mEditor(window.context().products(), mSchedule, *this, window.context().prompter(),
              window.history())
{
    setObjectName(QStringLiteral("CatalogueEditing"));
    mPrompt = new FrmPrompt(mPromptState, &window);

    mScheduleView = window.discountsTab()->priceSchedule();
    mScheduleViewport = mScheduleView->viewport();
    mPriceBox = window.generalTab()->txtPrice();
    mScheduleMenu = window.menu(QStringLiteral("mnups"));
    mScheduleView->setModel(&mSchedule.model());
    mScheduleView->setEditTriggers(
        QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
        | QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    mScheduleViewport->installEventFilter(this);
    mScheduleView->installEventFilter(this);
    mPriceBox->installEventFilter(this);

    connect(&window, &frmMain::rowChanging, this,
            [this](int previous, int current) { mEditor.rowChanging(previous, current); });
    connect(&window, &frmMain::detailsShown, this, [this](int row) { mEditor.detailsShown(row); });
    connect(&window, &frmMain::sorted, this, [this] { mEditor.sorted(); });
    connect(&window, &frmMain::unloading, this, [this] { mEditor.unloading(); });
    // The table may store a committed text in another form (without the line breaks it
    // began with): the boxes then show what it stored.
    connect(&window.context().productTable(), &Table::cellsChanged, this,
            [this](int firstRow, int firstColumn, int lastRow, int lastColumn) {
                const int row = currentRow();
                if (row < firstRow || row > lastRow)
                    return;
                const Table &table = mWindow.context().productTable();
                GeneralTab *general = mWindow.generalTab();
                if (firstColumn <= product::Includes && product::Includes <= lastColumn)
                    general->showStoredIncludes(table.cell(row, product::Includes).toText());
                if (firstColumn <= product::Notes && product::Notes <= lastColumn)
                    general->showStoredNotes(table.cell(row, product::Notes).toText());
            });
    addCommands();

    // The window is loaded: show the current product's schedule, everything locked.
    applyEditState(editButton(), true);
    mEditor.detailsShown(currentRow());
}

FrmPrompt *CatalogueEditing::prompt() const
{
    return mPrompt.data();
}

void CatalogueEditing::addCommands()
{
    CommandDispatcher &commands = mWindow.commands();
    commands.add(QStringLiteral("Edit"), [this] { mEditor.toggleEditButton(); });
    commands.add(QStringLiteral("mnuEditProd"), [this] { mEditor.toggleEditMenu(); });
    commands.add(QStringLiteral("Insert"), [this] { mEditor.newProduct(); });
    commands.add(QStringLiteral("mnuAddProd"), [this] { mEditor.addProduct(); });
    commands.add(QStringLiteral("DelProd"), [this] { mEditor.deleteProduct(); });
    commands.add(QStringLiteral("mnuDelProd"), [this] { mEditor.deleteProduct(); });
    commands.add(QStringLiteral("mnuDelAll"), [this] { mEditor.deleteAll(); });
    commands.add(QStringLiteral("Find"), [this] { mEditor.find(); });
    commands.add(QStringLiteral("mnuclearprices"), [this] { mEditor.clearPrices(); });
    for (const QString &key : {QStringLiteral("mnuUndo"), QStringLiteral("Undo")})
        commands.add(key, [this] { mEditor.undo(); });
    for (const QString &key : {QStringLiteral("mnuRedo"), QStringLiteral("Redo")})
        commands.add(key, [this] { mEditor.redo(); });
}

bool CatalogueEditing::editButton() const
{
    return mWindow.editMode();
}

void CatalogueEditing::setEditButton(bool pressed)
{
    if (QAction *edit = mWindow.action(QStringLiteral("Edit")))
        edit->setChecked(pressed);
}

void CatalogueEditing::applyEditState(bool unlocked, bool schedule)
{
    TableModel *model = mWindow.productModel();
    for (int column = 0; column < kEditableColumns; ++column)
        model->setLocked(column, !unlocked);
    ProductGrid *grid = mWindow.productGrid();
    // Unlocked, the grid edits the current cell; locked, it highlights the whole row and the
    // current column is the first one.
    grid->setSelectionBehavior(unlocked ? QAbstractItemView::SelectItems
                                        : QAbstractItemView::SelectRows);
    const QModelIndex current = grid->currentIndex();
    if (current.isValid()) {
        const QModelIndex target = unlocked ? current : current.siblingAtColumn(0);
        grid->setCurrentIndex(target);
        grid->scrollTo(target);
    }
    mWindow.generalTab()->setLocked(!unlocked);
    if (schedule) {
        mSchedule.setLocked(!unlocked);
        mScheduleView->setSelectionBehavior(unlocked ? QAbstractItemView::SelectItems
                                                     : QAbstractItemView::SelectRows);
    }
}

void CatalogueEditing::finishEdit(QAbstractItemView *view)
{
    const QModelIndex current = view->currentIndex();
    QWidget *editor = current.isValid() ? view->indexWidget(current) : nullptr;
    if (editor == nullptr)
        return;
    QAbstractItemDelegate *delegate = view->itemDelegateForIndex(current);
    emit delegate->commitData(editor);
    emit delegate->closeEditor(editor, QAbstractItemDelegate::NoHint);
}

void CatalogueEditing::finishCellEdit()
{
    finishEdit(mWindow.productGrid());
}

void CatalogueEditing::finishScheduleEdit()
{
    finishEdit(mScheduleView);
}

ProductDetails CatalogueEditing::details() const
{
    const GeneralTab *general = mWindow.generalTab();
    return {general->txtPrice()->text(), general->includesText(), general->notesText()};
}

ShownDetails CatalogueEditing::shownDetails() const
{
    return mWindow.generalTab()->shownDetails();
}

void CatalogueEditing::clearDetails()
{
    mWindow.generalTab()->showDetails(QString(), QString(), QString());
}

void CatalogueEditing::showCurrentDetails()
{
    mWindow.showCurrentDetails();
}

int CatalogueEditing::currentRow() const
{
    return mWindow.currentRow();
}

void CatalogueEditing::setCurrentRow(int row)
{
    mWindow.setCurrentRow(row);
}

void CatalogueEditing::focusGrid()
{
    mWindow.productGrid()->setFocus();
}

void CatalogueEditing::setGridVisible(bool visible)
{
    ProductGrid *grid = mWindow.productGrid();
    if (!visible) {
        // Hiding moves the keyboard focus away; showing gives it back.
        mGridHadFocus = grid->hasFocus() || grid->isAncestorOf(QApplication::focusWidget());
        grid->hide();
        return;
    }
    grid->show();
    if (mGridHadFocus)
        grid->setFocus();
    mGridHadFocus = false;
}

void CatalogueEditing::selectFirstColumn()
{
    ProductGrid *grid = mWindow.productGrid();
    const QModelIndex current = grid->currentIndex();
    if (current.isValid() && current.column() != 0)
        grid->setCurrentIndex(current.siblingAtColumn(0));
}

QString CatalogueEditing::askSearchText(const QString &message, const QString &text)
{
    if (mPrompt.isNull())
        return {};
    if (mPromptState.Active()) {
        // Find while its prompt is still open: the open prompt is the one to answer.
        mPrompt->raise();
        mPrompt->activateWindow();
        return {};
    }
    QEventLoop waiting;
    connect(&mPromptState, &PromptState::closed, &waiting, &QEventLoop::quit);
    mPromptState.open(message, text);
    if (mPromptState.Active())
        waiting.exec();
    return mPromptState.text();
}

bool CatalogueEditing::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::FocusOut:
        if (watched == mPriceBox) {
            // The box's own reformatting is no typing: it keeps whether the user typed.
            const bool typed = mPriceBox->isModified();
            mPriceBox->setText(PriceBox::reformat(mPriceBox->text()));
            mPriceBox->setModified(typed);
            mPriceBox->setCursorPosition(0);
        }
        break;
    case QEvent::MouseButtonRelease:
        if (watched == mScheduleViewport && mScheduleMenu) {
            const auto *mouse = static_cast<QMouseEvent *>(event);
            const QPoint at = mouse->position().toPoint();
            if (mouse->button() == Qt::RightButton && at.x() > 0 && at.y() > 0
                && mSchedule.model().rowCount() > 0) {
                mScheduleMenu->popup(mouse->globalPosition().toPoint());
                return true;
            }
        }
        break;
    case QEvent::ContextMenu:
        // The menu key opens the same menu under the current cell.
        if (watched == mScheduleView && mScheduleMenu
            && static_cast<QContextMenuEvent *>(event)->reason() == QContextMenuEvent::Keyboard) {
            const QRect cell = mScheduleView->visualRect(mScheduleView->currentIndex());
            const QPoint at = cell.isValid() ? cell.center() : QPoint(1, 1);
            mScheduleMenu->popup(mScheduleViewport->mapToGlobal(at));
            return true;
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace vendara
