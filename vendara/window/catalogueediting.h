// Product editing installed on the main window: the price schedule on the "Discounts" tab
// with its "Price Schedule" menu, edit mode on the toolbar's "Edit" button and the menu item
// "&Edit", New, Add, Delete, Delete All, Find with its "Locate Product" prompt, the price
// box's currency form, and "&Undo" and "&Redo" of the product history. The logic is
// `ProductEditor`; this class only connects it to the window's widgets, signals and command
// dispatcher.
#pragma once

#include "editorview.h"
#include "producteditor.h"
#include "promptstate.h"

#include "vendara/pricing/pricescheduletable.h"

// Qt
#include <QObject>
#include <QPointer>

class QAbstractItemView;
class QLineEdit;
class QMenu;
class QTableView;

namespace vendara {

class FrmPrompt;
class frmMain;

class CatalogueEditing : public QObject, private EditorView
{
    Q_OBJECT

public:
    // Installs editing on a loaded window; the window owns the result.
    static CatalogueEditing *install(frmMain &window);

    [[nodiscard]] ProductEditor &editor() { return mEditor; }
    [[nodiscard]] PriceScheduleTable &schedule() { return mSchedule; }
    // The "Locate Product" prompt of Find.
    [[nodiscard]] FrmPrompt *prompt() const;

    // Ends the cell edit in progress in `view`, keeping what was typed.
    static void finishEdit(QAbstractItemView *view);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit CatalogueEditing(frmMain &window);

    void addCommands();

    // EditorView
    bool editButton() const override;
    void setEditButton(bool pressed) override;
    void applyEditState(bool unlocked, bool schedule) override;
    void finishCellEdit() override;
    void finishScheduleEdit() override;
    ProductDetails details() const override;
    ShownDetails shownDetails() const override;
    void clearDetails() override;
    void showCurrentDetails() override;
    int currentRow() const override;
    void setCurrentRow(int row) override;
    void focusGrid() override;
    void setGridVisible(bool visible) override;
    void selectFirstColumn() override;
    QString askSearchText(const QString &message, const QString &text) override;

    frmMain &mWindow;
    PriceScheduleTable mSchedule;
    ProductEditor mEditor;
    PromptState mPromptState;
    QPointer<FrmPrompt> mPrompt;
    bool mGridHadFocus = false; // while Find hides the grid
    // The widgets the event filter watches, kept apart from the window: their events arrive
    // while the window is being taken down too.
    QPointer<QTableView> mScheduleView;
    QPointer<QWidget> mScheduleViewport;
    QPointer<QLineEdit> mPriceBox;
    QPointer<QMenu> mScheduleMenu;
};

} // namespace vendara
