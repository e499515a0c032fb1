#include "productcommand.h"

#include "producthistory.h"

namespace vendara {

ProductCommand::ProductCommand(ProductHistory &history, const QString &text, int rowBefore,
                               int rowAfter)
    : QUndoCommand(text)
    , mHistory(history)
    , mRowBefore(rowBefore)
    , mRowAfter(rowAfter)
{}

void ProductCommand::redo()
{
    const bool pushing = !mPushed;
    mPushed = true;
    if (pushing && mApplied)
        return;
    {
        const ProductHistory::Recording recording(mHistory);
        apply(mHistory.products());
    }
    // When a step is pushed, whoever pushes it looks after the window.
    if (!pushing)
        mHistory.showRow(mRowAfter);
}

void ProductCommand::undo()
{
    {
        const ProductHistory::Recording recording(mHistory);
        revert(mHistory.products());
    }
    mHistory.showRow(mRowBefore);
}

} // namespace vendara
