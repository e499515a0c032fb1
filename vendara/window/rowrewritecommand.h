// A change that rewrote cells of one product's row in place: taken back by writing the row
// as it was, made again by writing it as it became. The kinds of change that do this are the
// classes below.
#pragma once

#include "productcommand.h"
#include "tablesnapshot.h"

namespace vendara {

class RowRewriteCommand : public ProductCommand
{
public:
    // Made after the row was rewritten from `before` to `after`.
    RowRewriteCommand(ProductHistory &history, const QString &text, int row,
                      TableSnapshot::Row before, TableSnapshot::Row after);

protected:
    void apply(Products &products) override;
    void revert(Products &products) override;

private:
    int mRow;
    TableSnapshot::Row mBefore;
    TableSnapshot::Row mAfter;
};

// The details of a product committed (price, includes, notes, price schedule).
class DetailEditCommand : public RowRewriteCommand
{
public:
    using RowRewriteCommand::RowRewriteCommand;
};

// "&Clear" of the price schedule: the product's five price points emptied.
class ClearPricesCommand : public RowRewriteCommand
{
public:
    using RowRewriteCommand::RowRewriteCommand;
};

} // namespace vendara
