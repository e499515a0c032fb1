// A change a feature made to the product table by itself (a spreadsheet import, for one),
// taken into the history as one step: the feature hands over how to take it back and how to
// make it again.
#pragma once

#include "productcommand.h"

// std
#include <functional>

namespace vendara {

class AppliedChangeCommand : public ProductCommand
{
public:
    using Change = std::function<void(Products &)>;

    AppliedChangeCommand(ProductHistory &history, const QString &text, Change revert, Change apply,
                         int rowBefore, int rowAfter);

protected:
    void apply(Products &products) override;
    void revert(Products &products) override;

private:
    Change mRevert;
    Change mApply;
};

} // namespace vendara
