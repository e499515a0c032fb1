#include "producthistory.h"

#include "appliedchangecommand.h"
#include "productcommand.h"

#include "vendara/store/products.h"

namespace vendara {

ProductHistory::ProductHistory(Products &products, QObject *parent)
    : QObject(parent)
    , mProducts(products)
{
    setObjectName(QStringLiteral("ProductHistory"));
    const Table *table = &products.table();
    const auto changed = [this] {
        tableChanged();
    };
    connect(table, &Table::cellsChanged, this, changed);
    connect(table, &Table::rowsInserted, this, changed);
    connect(table, &Table::rowsRemoved, this, changed);
    connect(table, &Table::wasReset, this, changed);
}

ProductHistory::~ProductHistory()
{
    // The steps go while the history is still whole, and quietly: whoever follows the stack
    // may be going too.
    mStack.blockSignals(true);
    mStack.clear();
}

void ProductHistory::push(ProductCommand *command)
{
    mStack.push(command);
}

void ProductHistory::pushApplied(const QString &text, std::function<void(Products &)> revert,
                                 std::function<void(Products &)> apply, int rowBefore, int rowAfter)
{
    auto *command = new AppliedChangeCommand(*this, text, std::move(revert), std::move(apply),
                                             rowBefore, rowAfter);
    push(command);
}

void ProductHistory::undo()
{
    mStack.undo();
}

void ProductHistory::redo()
{
    mStack.redo();
}

void ProductHistory::showRow(int row)
{
    if (mShowRow) {
        const Recording recording(*this);
        mShowRow(row);
    }
}

void ProductHistory::tableChanged()
{
    if (mRecording == 0 && mStack.count() > 0)
        mStack.clear();
}

} // namespace vendara
