// New Product and Add: a blank product inserted as the first row, the count one up.
#pragma once

#include "productcommand.h"

namespace vendara {

class InsertProductCommand : public ProductCommand
{
public:
    // `currentRow`: the current row before the insert, current again after an undo.
    InsertProductCommand(ProductHistory &history, const QString &text, int currentRow);

protected:
    void apply(Products &products) override;
    void revert(Products &products) override;

private:
    int mCountBefore = 0;
};

} // namespace vendara
