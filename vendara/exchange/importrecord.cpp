#include "importrecord.h"

#include "vendara/store/products.h"

// Qt
#include <QHash>

// std
#include <algorithm>
#include <limits>

namespace vendara {

namespace {

// Exactly as the catalogue holds it: the import's own look-up ignores letter case, but a
// catalogue may hold part numbers that differ only in case, and the record must find the
// one it changed.
int compareExactly(const Cell &a, const Cell &b)
{
    return a.toText().compare(b.toText());
}

int findExactly(const Products &products, const QString &partNumber)
{
    return products.table().find(1, product::PartNumber, Cell(partNumber), compareExactly);
}

ProductRow rowOf(const Table &table, int row)
{
    ProductRow cells;
    for (int column = 1; column <= product::ColumnCount; ++column)
        cells[std::size_t(column - 1)] = table.cell(row, column);
    return cells;
}

} // namespace

QStringList ImportRecord::orderOf(const Products &products)
{
    QStringList order;
    order.reserve(products.Count());
    for (int row = 1; row <= products.Count(); ++row)
        order.append(products.table().cell(row, product::PartNumber).toText());
    return order;
}

ImportRecord ImportRecord::of(const ImportPlan &plan, const Products &products)
{
    ImportRecord record;
    record.mOrderBefore = orderOf(products);
    for (const ImportPlan::Entry &entry : plan.entries) {
        if (entry.action == ImportPlan::Action::Add) {
            record.mAdded.append(entry.row);
        } else if (entry.action == ImportPlan::Action::Change) {
            const int row = findExactly(products, entry.partNumber);
            Update update{entry.partNumber, {}};
            for (const FieldChange &change : entry.changes) {
                const Cell before =
                    row > 0 ? products.table().cell(row, change.column) : change.before;
                update.fields.append({change.column, before, change.after});
            }
            record.mUpdated.append(std::move(update));
        }
    }
    return record;
}

ImportRecord ImportRecord::ofAdded(QStringList orderBefore, const Products &products,
                                   const QStringList &added)
{
    ImportRecord record;
    record.mOrderBefore = std::move(orderBefore);
    for (const QString &partNumber : added) {
        if (const int row = findExactly(products, partNumber); row > 0)
            record.mAdded.append(rowOf(products.table(), row));
    }
    return record;
}

void ImportRecord::apply(Products &products) const
{
    Table &table = products.table();
    table.beginReset(); // one change for the grid, however many rows
    if (table.columns() < product::ColumnCount)
        table.setBounds(table.rows(), product::ColumnCount);
    for (const ProductRow &cells : mAdded) {
        const QString partNumber = cells[product::PartNumber - 1].toText();
        if (products.findPartNumber(partNumber) > 0 || products.Count() >= product::Capacity)
            continue;
        const int row = products.Count() + 1;
        table.insertRow(row);
        products.setCount(row);
        for (int column = 1; column <= product::ColumnCount; ++column)
            table.setCell(row, column, cells[std::size_t(column - 1)]);
    }
    for (const Update &update : mUpdated) {
        const int row = findExactly(products, update.partNumber);
        if (row == 0)
            continue; // deleted since
        for (const FieldChange &field : update.fields)
            table.setCell(row, field.column, field.after);
    }
    products.sortByColumn(product::PartNumber);
    table.endReset();
}

void ImportRecord::revert(Products &products) const
{
    Table &table = products.table();
    table.beginReset();
    for (const ProductRow &cells : mAdded) {
        const int row = findExactly(products, cells[product::PartNumber - 1].toText());
        if (row == 0)
            continue; // deleted since
        table.deleteRow(row);
        products.setCount(std::max(0, products.Count() - 1));
    }
    for (const Update &update : mUpdated) {
        const int row = findExactly(products, update.partNumber);
        if (row == 0)
            continue;
        for (const FieldChange &field : update.fields)
            table.setCell(row, field.column, field.before);
    }
    // Back to the order before the import; products that were not there then keep their
    // order after the others.
    QHash<QString, int> position;
    for (int i = int(mOrderBefore.size()) - 1; i >= 0; --i)
        position.insert(mOrderBefore.at(i), i); // equal part numbers: the first place
    const auto place = [&position](const Cell &cell) {
        return position.value(cell.toText(), std::numeric_limits<int>::max());
    };
    table.sortRows(1, products.Count(), product::PartNumber,
                   [&place](const Cell &a, const Cell &b) {
                       const int pa = place(a);
                       const int pb = place(b);
                       return pa < pb ? -1 : (pa > pb ? 1 : 0);
                   });
    table.endReset();
}

} // namespace vendara
