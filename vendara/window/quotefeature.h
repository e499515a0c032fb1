// The quote on the main window: the quote table behind `GrdQuote` on the "Quote" tab, the
// totals in `TxtTotal`, `TxtDisc` and `TxtQdisper`, "Add to &Quote" of the product grid's
// pop-up menu, the pop-up menu "&Quote" (`mnuQuote`) with its commands, the discount dialogs,
// "&Copy" of the quote document, the quote-note dialog, the named quote files, printing and
// PDF. Installed once, right after the window has loaded; it lives as long as the window.
// Installing restores the quote kept from the last run (OpenQuote); what went wrong there is
// reported once the window is shown.
#pragma once

#include "quoteprinting.h"

#include "common/core/status.h"
#include "vendara/pricing/openquote.h"
#include "vendara/pricing/quotelist.h"
#include "vendara/pricing/quotenotes.h"

// Qt
#include <QObject>
#include <QPointer>

class QMenu;
class QTableView;

namespace vendara {

class FrmDiscount;
class FrmQuoteNote;
class QuoteModel;
class StatusPanels;
class frmMain;

class QuoteFeature : public QObject
{
    Q_OBJECT

public:
    static QuoteFeature *install(frmMain &window);

    [[nodiscard]] QuoteList &quote() { return mQuote; }
    [[nodiscard]] OpenQuote &openQuote() { return mOpenQuote; }
    [[nodiscard]] QuotePrinting &printing() { return mPrinting; }
    [[nodiscard]] QuoteModel *model() const { return mModel; }
    [[nodiscard]] const QuoteNotes &notes() const { return mNotes; }
    // The quote grid's current line (from 1), or 0 when there is none.
    [[nodiscard]] int currentLine() const;
    // The dialogs while they are open.
    [[nodiscard]] FrmDiscount *discountAllDialog() const;
    [[nodiscard]] FrmDiscount *discountProductDialog() const;
    [[nodiscard]] FrmQuoteNote *quoteNoteDialog() const;

    // The commands.
    void addToQuote();
    void removeProduct();
    void removeAll();
    void resetPrices();
    void discountAll();
    void discountProduct();
    // Builds the quote document and puts it on the clipboard; stops silently when a note
    // file is missing.
    void copy();
    void quoteNote();

    // The quote document as a PDF file at `path`, without any dialog (for tools and scripts);
    // the failure's message is what the user would read.
    [[nodiscard]] common::Status writePdf(const QString &path) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit QuoteFeature(frmMain &window);
    void addCommands();
    void showTotals();
    void popupMenu(const QPoint &globalPosition);
    [[nodiscard]] QTableView *grid() const;
    void setStatusText(const QString &text);
    void showFile(const QString &file);

    frmMain &mWindow;
    QuoteList mQuote;
    QuoteNotes mNotes;
    OpenQuote mOpenQuote;
    QuotePrinting mPrinting;
    QuoteModel *mModel;
    // The watched widgets, kept apart from the window and looked at as plain widgets: events
    // still arrive while the window and its parts are being destroyed.
    QPointer<QWidget> mGrid;
    QPointer<QWidget> mViewport;
    QPointer<QWidget> mFrame;
    bool mShown = false;
    QPointer<QObject> mStatus;
    QPointer<QMenu> mMenu;
    QPointer<FrmDiscount> mDiscountAll;
    QPointer<FrmDiscount> mDiscountProduct;
    QPointer<FrmQuoteNote> mQuoteNote;
};

} // namespace vendara
