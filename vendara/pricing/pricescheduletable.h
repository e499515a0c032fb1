// The price-schedule table behind the grid `PriceSchedule` on the "Discounts" tab: five rows
// of quantity and unit price that mirror the current product's price points (row k, column 1
// is the product's column 4 + 2k; row k, column 2 is its column 5 + 2k). The grid edits this
// table; editing copies it back into the product when the details are committed.
#pragma once

#include "vendara/store/table.h"
#include "vendara/store/tablemodel.h"

// Qt
#include <QString>

namespace vendara {

class PriceScheduleTable
{
public:
    static constexpr int Rows = 5;
    static constexpr int Columns = 2;
    static constexpr int QuantityColumn = 1;
    static constexpr int PriceColumn = 2;

    // Both grid columns start locked; editing unlocks them.
    PriceScheduleTable();
    PriceScheduleTable(const PriceScheduleTable &) = delete;
    PriceScheduleTable &operator=(const PriceScheduleTable &) = delete;

    [[nodiscard]] static QString caption() { return QStringLiteral("Price Schedule"); }

    [[nodiscard]] Table &table() { return mTable; }
    [[nodiscard]] const Table &table() const { return mTable; }
    // Columns "Price Point" (shown as "#,###") and "Price" (shown as currency); the stored
    // texts are not changed by the display.
    [[nodiscard]] TableModel &model() { return mModel; }

    // Shows the price points of product row `row` (none for row 0 or a row outside the
    // table).
    void PriceUpdate(const Table &products, int row);
    // Empties the schedule and the five price points of product row `row` at once, whether
    // editing is on or not; they are gone from the file at the next save.
    void ClearPrice(Table &products, int row);
    // Copies the schedule into the price points of product row `row`; with `sortFirst` the
    // five rows are first put in ascending order of quantity (numbers, then other texts, then
    // rows without a quantity), the price moving with its quantity.
    void store(Table &products, int row, bool sortFirst);
    // Ascending by quantity as `store` sorts.
    void sortByQuantity();

    void setLocked(bool locked);
    [[nodiscard]] bool isLocked() const;

private:
    Table mTable;
    TableModel mModel;
};

} // namespace vendara
