// Delete: one product's row removed, the count one down.
#pragma once

#include "productcommand.h"
#include "tablesnapshot.h"

namespace vendara {

class DeleteProductCommand : public ProductCommand
{
public:
    // Removes product row `row`; an undo puts it back there and makes it current.
    DeleteProductCommand(ProductHistory &history, const QString &text, int row);

protected:
    void apply(Products &products) override;
    void revert(Products &products) override;

private:
    int mRow;
    TableSnapshot::Row mCells;
    int mCountBefore = 0;
};

} // namespace vendara
