// What product editing needs from the main window: the "Edit" button, the locked and
// unlocked state of the grids and boxes, the details boxes, the product grid's current row
// and the "Locate Product" prompt. The window implements it; tests use a stand-in.
#pragma once

#include "detailcommit.h"

// Qt
#include <QString>

namespace vendara {

class EditorView
{
public:
    virtual ~EditorView() = default;

    // The toolbar's "Edit" check button: its pressed state is edit mode.
    [[nodiscard]] virtual bool editButton() const = 0;
    // Presses or releases the button without running its command.
    virtual void setEditButton(bool pressed) = 0;

    // Unlocked: the part number and product name columns take edits in a cell editor, the
    // three boxes take typing; locked: the grid highlights the whole current row, the
    // current column is the first one, nothing takes typing. `schedule` says whether the
    // price schedule's columns follow.
    virtual void applyEditState(bool unlocked, bool schedule) = 0;
    // Ends a cell edit in progress in the product grid, keeping what was typed.
    virtual void finishCellEdit() = 0;
    // Ends a cell edit in progress in the price schedule, keeping what was typed.
    virtual void finishScheduleEdit() = 0;

    [[nodiscard]] virtual ProductDetails details() const = 0;
    // What the boxes were filled with for the current product (by showCurrentDetails or
    // clearDetails); nothing for a box the user has typed into since.
    [[nodiscard]] virtual ShownDetails shownDetails() const = 0;
    // Empties the price, includes and notes boxes.
    virtual void clearDetails() = 0;
    // Shows the details and price schedule of the current row (empty when there is none).
    virtual void showCurrentDetails() = 0;

    // The product grid's current row (table row from 1), 0 when there is none.
    [[nodiscard]] virtual int currentRow() const = 0;
    // Makes `row` current; a different row than before is a row change.
    virtual void setCurrentRow(int row) = 0;
    virtual void focusGrid() = 0;
    // Find hides the product grid while it searches and shows it again; the grid keeps the
    // keyboard focus it had.
    virtual void setGridVisible(bool visible) = 0;
    // Makes the product grid's first column the current column.
    virtual void selectFirstColumn() = 0;

    // Opens the "Locate Product" prompt with `message` and `text` in its box and waits
    // until it closes; the box's text, empty when cancelled.
    virtual QString askSearchText(const QString &message, const QString &text) = 0;
};

} // namespace vendara
