#include "quotefeature.h"

#include "frmdiscount.h"
#include "frmmain.h"
#include "frmquotenote.h"
#include "generaltab.h"
#include "quotepdf.h"
#include "quotetab.h"
#include "richclipboard.h"
#include "statuspanels.h"

#include "common/prompt/prompter.h"
#include "vendara/pricing/quotecolumns.h"
#include "vendara/pricing/quotedocument.h"
#include "vendara/pricing/quotemodel.h"
#include "vendara/pricing/quotetexts.h"
#include "vendara/store/programcontext.h"

// Qt
#include <QContextMenuEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>

namespace vendara {

namespace {

// A dialog that does not block the main window comes to the front when asked for again.
void bringForward(QWidget *dialog)
{
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

} // namespace

QuoteFeature *QuoteFeature::install(frmMain &window)
{
    return new QuoteFeature(window);
}

QuoteFeature::QuoteFeature(frmMain &window)
    : QObject(&window)
    , mWindow(window)
    , mQuote(window.context().productTable(), window.context().trace())
    , mNotes(window.context().folder())
    , mOpenQuote(mQuote, window.context().productTable(), window.context().prompter(),
                 window.context().folder().writableFile(OpenQuote::workingCopyName()))
    , mPrinting(window, mQuote, mNotes, mOpenQuote)
    , mModel(new QuoteModel(mQuote, this))
    , mGrid(window.quoteTab()->grdQuote())
    , mViewport(window.quoteTab()->grdQuote()->viewport())
    , mFrame(window.quoteTab()->fraQuote())
    , mStatus(window.statusPanels())
    , mMenu(window.menu(QStringLiteral("mnuQuote")))
{
    QTableView *view = window.quoteTab()->grdQuote();
    view->setModel(mModel);
    view->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                          | QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setWordWrap(false);
    view->verticalHeader()->hide();
    QHeaderView *header = view->horizontalHeader();
    header->setHighlightSections(false);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    window.quoteTab()->fitColumns();

    // Mouse moves over the grid and the frame show their hint; the right button opens the
    // quote menu.
    view->setMouseTracking(true);
    mViewport->setMouseTracking(true);
    mViewport->installEventFilter(this);
    view->installEventFilter(this);
    mFrame->setMouseTracking(true);
    mFrame->installEventFilter(this);

    connect(&mQuote, &QuoteList::totalsChanged, this, &QuoteFeature::showTotals);
    connect(&mOpenQuote, &OpenQuote::fileChanged, this, &QuoteFeature::showFile);
    addCommands();

    // The quote of the last run; a failure is reported when the window shows.
    mOpenQuote.restore();
    window.installEventFilter(this);
}

void QuoteFeature::addCommands()
{
    CommandDispatcher &commands = mWindow.commands();
    commands.add(QStringLiteral("mnuGrdMainQuote"), [this] { addToQuote(); });
    commands.add(QStringLiteral("mnuQuoteDelete"), [this] { removeProduct(); });
    commands.add(QStringLiteral("mnuquoteclear"), [this] { removeAll(); });
    commands.add(QStringLiteral("mnuResetPrices"), [this] { resetPrices(); });
    commands.add(QStringLiteral("mnudiscountAll"), [this] { discountAll(); });
    commands.add(QStringLiteral("mnuDiscprod"), [this] { discountProduct(); });
    commands.add(QStringLiteral("mnuquotecopy"), [this] { copy(); });
    commands.add(QStringLiteral("mnuQuoteNote"), [this] { quoteNote(); });
    commands.add(QStringLiteral("mnuQuoteSaveAs"), [this] { mOpenQuote.saveAs(); });
    commands.add(QStringLiteral("mnuQuoteOpen"), [this] { mOpenQuote.open(); });
    commands.add(QStringLiteral("mnuQuoteNew"), [this] { mOpenQuote.newQuote(); });
    commands.add(QStringLiteral("mnuQuotePrint"), [this] { mPrinting.print(); });
    commands.add(QStringLiteral("mnuQuotePdf"), [this] { mPrinting.savePdf(); });
}

void QuoteFeature::showFile(const QString &file)
{
    const QString caption =
        file.isEmpty() ? frmMain::caption()
                       : frmMain::caption() + QStringLiteral(" - ") + QFileInfo(file).fileName();
    mWindow.setWindowTitle(caption);
    mWindow.setAccessibleName(caption);
}

common::Status QuoteFeature::writePdf(const QString &path) const
{
    return QuotePdf::save(mQuote, mNotes, mWindow.context().settings(), path,
                          mPrinting.documentName());
}

QTableView *QuoteFeature::grid() const
{
    return qobject_cast<QTableView *>(mGrid.data());
}

void QuoteFeature::setStatusText(const QString &text)
{
    if (auto *status = qobject_cast<StatusPanels *>(mStatus.data()))
        status->setText(text);
}

int QuoteFeature::currentLine() const
{
    const QTableView *view = grid();
    const QModelIndex current = view == nullptr ? QModelIndex() : view->currentIndex();
    return current.isValid() ? current.row() + 1 : 0;
}

FrmDiscount *QuoteFeature::discountAllDialog() const
{
    return mDiscountAll.data();
}

FrmDiscount *QuoteFeature::discountProductDialog() const
{
    return mDiscountProduct.data();
}

FrmQuoteNote *QuoteFeature::quoteNoteDialog() const
{
    return mQuoteNote.data();
}

void QuoteFeature::showTotals()
{
    QuoteTab *tab = mWindow.quoteTab();
    tab->txtTotal()->setText(mQuote.totalText());
    tab->txtDisc()->setText(mQuote.discountText());
    tab->txtQdisper()->setText(mQuote.percentText());
}

void QuoteFeature::addToQuote()
{
    const int row = mWindow.currentRow();
    prompt::Prompter &prompter = mWindow.context().prompter();
    switch (mQuote.add(row, mWindow.generalTab()->includesText())) {
    case QuoteList::AddResult::Added:
        break;
    case QuoteList::AddResult::Full:
        prompter.message(texts::quoteFull(quote::Capacity), texts::quoteCaption(),
                         prompt::Buttons::Ok, prompt::Icon::Exclamation);
        return;
    case QuoteList::AddResult::NoPartNumber:
        prompter.message(texts::quoteNeedsPartNumber(), texts::quoteCaption(), prompt::Buttons::Ok,
                         prompt::Icon::Exclamation);
        return;
    case QuoteList::AddResult::NoProduct:
        return;
    }
    mWindow.tabs()->setCurrentWidget(mWindow.quoteTab());
    // The new line is current, ready for its quantity.
    const QModelIndex added = mModel->index(mQuote.lineCount() - 1, QuoteModel::QuantityColumn);
    grid()->setCurrentIndex(added);
    grid()->scrollTo(added);
    grid()->setFocus();
}

void QuoteFeature::removeProduct()
{
    mQuote.remove(currentLine());
}

void QuoteFeature::removeAll()
{
    mQuote.removeAll();
}

void QuoteFeature::resetPrices()
{
    mQuote.resetPrices();
}

void QuoteFeature::discountAll()
{
    if (mDiscountAll.isNull()) {
        mDiscountAll = new FrmDiscount(
            FrmDiscount::Applies::AllLines, [this](float rate) { mQuote.discountAll(rate); },
            &mWindow);
    }
    bringForward(mDiscountAll);
}

void QuoteFeature::discountProduct()
{
    if (mDiscountProduct.isNull()) {
        // The line is the grid's current line when OK is pressed.
        mDiscountProduct = new FrmDiscount(
            FrmDiscount::Applies::CurrentLine,
            [this](float rate) { mQuote.discount(currentLine(), rate); }, &mWindow);
    }
    bringForward(mDiscountProduct);
}

void QuoteFeature::copy()
{
    const std::optional<RichDocument> document =
        QuoteDocument::TEXTRTF(mQuote, mNotes, mWindow.context().settings());
    if (document)
        RichClipboard::put(*document);
}

void QuoteFeature::quoteNote()
{
    if (mQuoteNote.isNull()) {
        mQuoteNote = new FrmQuoteNote(mNotes, mWindow.context().settings(),
                                      mWindow.context().prompter(), &mWindow);
    }
    bringForward(mQuoteNote);
}

void QuoteFeature::popupMenu(const QPoint &globalPosition)
{
    if (!mMenu.isNull())
        mMenu->popup(globalPosition);
}

bool QuoteFeature::eventFilter(QObject *watched, QEvent *event)
{
    QTableView *view = grid();
    const QEvent::Type type = event->type();
    if (watched == &mWindow) {
        if (type == QEvent::Show && !mShown) {
            mShown = true;
            // After the window has appeared, so that the message stands in front of it.
            QTimer::singleShot(0, this, [this] { mOpenQuote.reportRestore(); });
        }
        return QObject::eventFilter(watched, event);
    }
    if (view == nullptr)
        return QObject::eventFilter(watched, event);
    if (watched == mFrame.data()) {
        if (type == QEvent::MouseMove) {
            setStatusText(texts::quoteFrameHint());
        } else if (type == QEvent::MouseButtonPress) {
            auto *mouse = static_cast<QMouseEvent *>(event);
            if (mouse->button() == Qt::RightButton) {
                popupMenu(mouse->globalPosition().toPoint());
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }
    if (watched == mViewport.data()) {
        if (type == QEvent::MouseMove) {
            setStatusText(texts::quoteGridHint());
        } else if (type == QEvent::MouseButtonRelease) {
            auto *mouse = static_cast<QMouseEvent *>(event);
            if (mouse->button() == Qt::RightButton) {
                // The row under the pointer becomes current first.
                const int row = view->rowAt(int(mouse->position().y()));
                if (row >= 0)
                    view->setCurrentIndex(
                        mModel->index(row, std::max(0, view->currentIndex().column())));
                popupMenu(mouse->globalPosition().toPoint());
                return true;
            }
        } else if (type == QEvent::MouseButtonPress) {
            // The right button acts on release; pressing it leaves the selection alone.
            if (static_cast<QMouseEvent *>(event)->button() == Qt::RightButton)
                return true;
        } else if (type == QEvent::ContextMenu) {
            return true; // the mouse's menu opens on release
        }
        return QObject::eventFilter(watched, event);
    }
    if (watched == view && type == QEvent::ContextMenu) {
        // The keyboard's menu key opens the quote menu at the current cell.
        auto *menuEvent = static_cast<QContextMenuEvent *>(event);
        if (menuEvent->reason() == QContextMenuEvent::Keyboard) {
            const QRect cell = view->visualRect(view->currentIndex());
            const QPoint at = cell.isValid() ? cell.center() : QPoint(8, 8);
            popupMenu(view->viewport()->mapToGlobal(at));
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace vendara
