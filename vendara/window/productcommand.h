// One step of the product table's history. A step knows how to make its change (`apply`) and
// how to take it back (`revert`), both on the products; the history marks the table as
// changing through it meanwhile and shows the step's row afterwards.
#pragma once

// Qt
#include <QUndoCommand>

namespace vendara {

class ProductHistory;
class Products;

class ProductCommand : public QUndoCommand
{
public:
    // `rowBefore`: the current row to show after an undo; `rowAfter`: after a redo
    // (ProductHistory::KeepRow for the current row as the change leaves it).
    ProductCommand(ProductHistory &history, const QString &text, int rowBefore, int rowAfter);

    // The change was made before the step was pushed: the push leaves the table as it is.
    void markApplied() { mApplied = true; }

    void undo() final;
    void redo() final;

protected:
    virtual void apply(Products &products) = 0;
    virtual void revert(Products &products) = 0;

    [[nodiscard]] ProductHistory &history() const { return mHistory; }

private:
    ProductHistory &mHistory;
    int mRowBefore;
    int mRowAfter;
    bool mApplied = false;
    bool mPushed = false;
};

} // namespace vendara
