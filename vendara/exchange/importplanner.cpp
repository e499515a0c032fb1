#include "importplanner.h"

#include "exchangetexts.h"
#include "importvalues.h"

#include "vendara/store/numberforms.h"
#include "vendara/store/products.h"

// std
#include <optional>

namespace vendara {

namespace {

// Quantities and prices: the same number written another way ("11.50" and "11.5", "$12.50"
// and 12.5) is no change.
bool sameValue(int column, const Cell &before, const Cell &after)
{
    if (before.isText() && after.isText() && before.text() == after.text())
        return true;
    if (column != product::Price && column <= product::Includes)
        return before.toText() == after.toText();
    const auto number = [](const Cell &cell) -> std::optional<double> {
        if (cell.isNumber())
            return double(cell.number());
        return NumberForms::readNumber(cell.text());
    };
    const std::optional<double> a = number(before);
    const std::optional<double> b = number(after);
    if (a && b)
        return float(*a) == float(*b);
    return before.toText() == after.toText();
}

} // namespace

ImportPlanner::ImportPlanner(const Products &products, std::unique_ptr<Workbook> sheet,
                             const std::array<int, UpdateFields::kListCount> &columns, int firstRow)
    : mProducts(products)
    , mSheet(std::move(sheet))
    , mColumns(columns)
    , mRow(std::max(firstRow, 1))
{
    mFinished = mColumns[0] == 0 || !mSheet;
}

const SheetCell &ImportPlanner::cell(int list) const
{
    return mSheet->cell(mRow, mColumns[std::size_t(list)]);
}

int ImportPlanner::unreadableColumn() const
{
    for (const UpdateFields::Field &field : UpdateFields::fields()) {
        if (mColumns[std::size_t(field.list)] == 0)
            continue;
        const SheetCell &value = cell(field.list);
        if (value.isUnreadable()
            || (field.column == product::Price
                && ImportValues::price(value).kind == ImportValues::Price::Kind::TooLarge))
            return field.column;
    }
    return 0;
}

bool ImportPlanner::step()
{
    if (mFinished)
        return false;
    if (cell(0).isEmpty()) {
        mFinished = true; // the first row without a part number ends the sheet
        return false;
    }
    readRow();
    ++mRow;
    if (mRow > Workbook::kMaxRows)
        mFinished = true;
    return !mFinished;
}

void ImportPlanner::readRow()
{
    const QString partNumber = ImportValues::text(cell(0));
    if (!cell(0).isUnreadable()) {
        const QString key = partNumber.toCaseFolded();
        if (const auto first = mSeen.constFind(key); first != mSeen.constEnd()) {
            skip(partNumber, ImportPlan::SkipReason::Duplicate, first.value());
            return;
        }
        mSeen.insert(key, mRow);
    }
    if (const int column = unreadableColumn(); column != 0) {
        skip(partNumber, ImportPlan::SkipReason::Unreadable, column);
        return;
    }
    if (const int row = mProducts.findPartNumber(partNumber); row > 0)
        planChange(row, mProducts.table().cell(row, product::PartNumber).toText());
    else if (mProducts.Count() + mPlan.added() >= product::Capacity)
        skip(partNumber, ImportPlan::SkipReason::CatalogueFull, 0);
    else
        planAdd(partNumber);
}

void ImportPlanner::skip(const QString &partNumber, ImportPlan::SkipReason reason, int detail)
{
    ImportPlan::Entry entry;
    entry.action = ImportPlan::Action::Skip;
    entry.sheetRow = mRow;
    entry.partNumber = partNumber;
    entry.reason = reason;
    entry.reasonDetail = detail;
    mPlan.entries.append(std::move(entry));
}

void ImportPlanner::planAdd(const QString &partNumber)
{
    ImportPlan::Entry entry;
    entry.action = ImportPlan::Action::Add;
    entry.sheetRow = mRow;
    entry.partNumber = partNumber;
    ProductRow &row = entry.row;
    row[product::PartNumber - 1] = partNumber;
    const QString name = ImportValues::text(cell(1));
    row[product::ProductName - 1] =
        ImportValues::name(name.isEmpty() ? texts::missingProductName() : name);
    const ImportValues::Price price = ImportValues::price(cell(3));
    if (mColumns[3] != 0 && price.kind == ImportValues::Price::Kind::Number)
        row[product::Price - 1] = price.value;
    for (const UpdateFields::Field &field : UpdateFields::fields()) {
        if (field.column <= product::Price || mColumns[std::size_t(field.list)] == 0)
            continue;
        const QString value = ImportValues::text(cell(field.list));
        if (!value.isEmpty())
            row[std::size_t(field.column - 1)] = value;
    }
    mPlan.entries.append(std::move(entry));
}

void ImportPlanner::planChange(int productRow, const QString &partNumber)
{
    const Table &table = mProducts.table();
    QList<FieldChange> changes;
    for (const UpdateFields::Field &field : UpdateFields::fields()) {
        if (field.column == product::PartNumber || mColumns[std::size_t(field.list)] == 0)
            continue;
        const SheetCell &source = cell(field.list);
        Cell after;
        if (field.column == product::Price) {
            const ImportValues::Price price = ImportValues::price(source);
            if (price.kind != ImportValues::Price::Kind::Number)
                continue; // no number: the price stays
            after = price.value;
        } else {
            const QString value = ImportValues::text(source);
            if (value.isEmpty())
                continue; // an empty cell never wipes a field
            after = field.column == product::ProductName ? ImportValues::name(value) : value;
        }
        const Cell &before = table.cell(productRow, field.column);
        if (!sameValue(field.column, before, after))
            changes.append({field.column, before, after});
    }
    if (changes.isEmpty()) {
        ++mPlan.unchanged;
        return;
    }
    ImportPlan::Entry entry;
    entry.action = ImportPlan::Action::Change;
    entry.sheetRow = mRow;
    entry.partNumber = partNumber;
    entry.name = table.cell(productRow, product::ProductName).toText();
    entry.changes = std::move(changes);
    mPlan.entries.append(std::move(entry));
}

} // namespace vendara
