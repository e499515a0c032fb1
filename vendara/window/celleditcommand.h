// A cell of the product grid edited in place (part number or product name).
#pragma once

#include "productcommand.h"

#include "vendara/store/cell.h"

namespace vendara {

class CellEditCommand : public ProductCommand
{
public:
    // Made by the grid's model after it wrote `after` over `before` in (row, column).
    CellEditCommand(ProductHistory &history, const QString &text, int row, int column, Cell before,
                    Cell after);

protected:
    void apply(Products &products) override;
    void revert(Products &products) override;

private:
    int mRow;
    int mColumn;
    Cell mBefore;
    Cell mAfter;
};

} // namespace vendara
