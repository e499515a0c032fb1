#include "appliedchangecommand.h"

namespace vendara {

AppliedChangeCommand::AppliedChangeCommand(ProductHistory &history, const QString &text,
                                           Change revert, Change apply, int rowBefore, int rowAfter)
    : ProductCommand(history, text, rowBefore, rowAfter)
    , mRevert(std::move(revert))
    , mApply(std::move(apply))
{
    markApplied();
}

void AppliedChangeCommand::apply(Products &products)
{
    if (mApply)
        mApply(products);
}

void AppliedChangeCommand::revert(Products &products)
{
    if (mRevert)
        mRevert(products);
}

} // namespace vendara
