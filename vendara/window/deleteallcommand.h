// Delete All: every row removed, the count 0. The whole table is kept for the undo.
#pragma once

#include "productcommand.h"
#include "tablesnapshot.h"

namespace vendara {

class DeleteAllCommand : public ProductCommand
{
public:
    // `currentRow`: current again after an undo.
    DeleteAllCommand(ProductHistory &history, const QString &text, int currentRow);

protected:
    void apply(Products &products) override;
    void revert(Products &products) override;

private:
    TableSnapshot mBefore;
};

} // namespace vendara
