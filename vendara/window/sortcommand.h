// A header click: the products sorted ascending on one column with the product comparison
// rule, whole rows moving with their key. The step keeps where each row came from, not a
// copy of the table.
#pragma once

#include "productcommand.h"
#include "tablesnapshot.h"

// std
#include <vector>

namespace vendara {

class SortCommand : public ProductCommand
{
public:
    // Sorts on table column `column`; `currentRow` is current again after an undo.
    SortCommand(ProductHistory &history, const QString &text, int column, int currentRow);

protected:
    void apply(Products &products) override;
    void revert(Products &products) override;

private:
    int mColumn;
    // mOrigin[i] is the row (from 1) that the sort moved to row i + 1.
    std::vector<int> mOrigin;
    // Rows beyond the product count, which the sort leaves out of the table.
    std::vector<TableSnapshot::Row> mBeyondCount;
    int mColumnsBefore = 0;
};

} // namespace vendara
