#include "detailcommit.h"

#include "vendara/pricing/pricebox.h"
#include "vendara/pricing/pricescheduletable.h"
#include "vendara/store/productcolumns.h"

namespace vendara {

DetailCommit::Rule DetailCommit::rule(CommitOccasion occasion)
{
    switch (occasion) {
    case CommitOccasion::RowChange:
        return {true, true, true};
    case CommitOccasion::EditButtonOff:
    case CommitOccasion::NewProduct:
        return {false, true, true};
    case CommitOccasion::EditMenuOff:
        // Leaving edit mode by the menu stores the schedule as the button does: the schedule
        // is reloaded from the product at the next row change, so price points typed before
        // would otherwise be lost.
        return {false, true, true};
    case CommitOccasion::WindowClose:
        // Sorted as on every other store of an edited schedule: price points out of order
        // would price quantities wrongly after the next start.
        return {false, true, true};
    }
    return {};
}

namespace {

bool changed(const QString &text, const std::optional<QString> &shown)
{
    return !shown || text != *shown;
}

} // namespace

void DetailCommit::commit(Table &products, int row, const ProductDetails &details,
                          const ShownDetails &shown, PriceScheduleTable &schedule,
                          CommitOccasion occasion)
{
    if (row < 1 || row > products.rows())
        return;
    const Rule r = rule(occasion);
    if (changed(details.price, shown.price))
        products.setCell(row, product::Price,
                         Cell(r.currencyPrice ? PriceBox::reformat(details.price) : details.price));
    if (changed(details.includes, shown.includes))
        products.setCell(row, product::Includes, Cell(details.includes));
    if (changed(details.notes, shown.notes))
        products.setCell(row, product::Notes, Cell(details.notes));
    if (r.copyPricePoints)
        schedule.store(products, row, r.sortPricePoints);
}

} // namespace vendara
