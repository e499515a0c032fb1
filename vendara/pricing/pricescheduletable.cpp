#include "pricescheduletable.h"

#include "quantityorder.h"

#include "vendara/store/productcolumns.h"

namespace vendara {

namespace {

QList<GridColumn> scheduleColumns()
{
    return {{PriceScheduleTable::QuantityColumn, QStringLiteral("Price Point"),
             CellFormat::Quantity, true},
            {PriceScheduleTable::PriceColumn, QStringLiteral("Price"), CellFormat::Currency, true}};
}

} // namespace

PriceScheduleTable::PriceScheduleTable()
    : mTable(Rows, Columns)
    , mModel(mTable, scheduleColumns())
{}

void PriceScheduleTable::PriceUpdate(const Table &products, int row)
{
    mTable.beginReset();
    mTable.setBounds(Rows, Columns);
    mTable.clear();
    if (row >= 1 && row <= products.rows()) {
        for (int k = 1; k <= Rows; ++k) {
            mTable.setCell(k, QuantityColumn, products.cell(row, product::pricePointQuantity(k)));
            mTable.setCell(k, PriceColumn, products.cell(row, product::pricePointPrice(k)));
        }
    }
    mTable.endReset();
}

void PriceScheduleTable::ClearPrice(Table &products, int row)
{
    mTable.beginReset();
    mTable.setBounds(Rows, Columns);
    for (int k = 1; k <= Rows; ++k) {
        mTable.setCell(k, QuantityColumn, Cell(QString()));
        mTable.setCell(k, PriceColumn, Cell(QString()));
    }
    mTable.endReset();
    store(products, row, false);
}

void PriceScheduleTable::sortByQuantity()
{
    mTable.setBounds(Rows, Columns);
    mTable.sortRows(1, Rows, QuantityColumn, QuantityOrder::compare);
}

void PriceScheduleTable::store(Table &products, int row, bool sortFirst)
{
    if (sortFirst)
        sortByQuantity();
    if (row < 1 || row > products.rows())
        return;
    for (int k = 1; k <= Rows; ++k) {
        products.setCell(row, product::pricePointQuantity(k), mTable.cell(k, QuantityColumn));
        products.setCell(row, product::pricePointPrice(k), mTable.cell(k, PriceColumn));
    }
}

void PriceScheduleTable::setLocked(bool locked)
{
    mModel.setLocked(0, locked);
    mModel.setLocked(1, locked);
}

bool PriceScheduleTable::isLocked() const
{
    return mModel.isLocked(0) && mModel.isLocked(1);
}

} // namespace vendara
