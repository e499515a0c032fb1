#include "spreadsheetimport.h"

#include "exchangetexts.h"
#include "importvalues.h"

#include "common/prompt/prompter.h"
#include "vendara/store/productcolumns.h"
#include "vendara/store/products.h"

namespace vendara {

SpreadsheetImport::SpreadsheetImport(Products &products, prompt::Prompter &prompter,
                                     std::unique_ptr<Workbook> sheet,
                                     const std::array<QChar, UpdateFields::kListCount> &letters,
                                     int firstRow)
    : mProducts(products)
    , mPrompter(prompter)
    , mSheet(std::move(sheet))
    , mRow(std::max(firstRow, 1))
{
    for (int list = 0; list < UpdateFields::kListCount; ++list)
        mColumns[std::size_t(list)] = UpdateFields::columnOf(letters[std::size_t(list)]);
    // Without a part number column there is nothing to read.
    mFinished = mColumns[0] == 0 || !mSheet;
}

void SpreadsheetImport::setTagHandler(std::function<void(const QString &)> handler)
{
    mTag = std::move(handler);
}

void SpreadsheetImport::tag(const QString &text)
{
    if (mTag)
        mTag(text);
}

void SpreadsheetImport::importError()
{
    if (!mErrors)
        mPrompter.message(texts::importErrors(), texts::importErrorCaption(), prompt::Buttons::Ok);
    mErrors = true;
}

QString SpreadsheetImport::text(int list)
{
    const int column = mColumns[std::size_t(list)];
    if (column == 0)
        return {};
    const SheetCell &cell = mSheet->cell(mRow, column);
    if (cell.isUnreadable()) {
        importError();
        return {};
    }
    return ImportValues::text(cell);
}

bool SpreadsheetImport::step()
{
    if (mFinished)
        return false;
    if (!mStarted) {
        mOrderBefore = ImportRecord::orderOf(mProducts);
        mStarted = true;
    }
    tag(texts::updatingTag());

    const SheetCell &partCell = mSheet->cell(mRow, mColumns[0]);
    const QString partNumber = text(0);
    Table &table = mProducts.table();
    if (partCell.isEmpty()) {
        mFinished = true; // the first row without a part number ends the import
    } else if (partCell.isUnreadable() || mProducts.findPartNumber(partNumber) > 0) {
        // Already in the catalogue, or no part number to look up: not added.
    } else if (mProducts.Count() >= product::Capacity) {
        mNotImported.insert(partNumber.toCaseFolded());
    } else {
        const int row = mProducts.Count() + 1;
        table.insertRow(row);
        if (table.columns() < product::ColumnCount)
            table.setBounds(table.rows(), product::ColumnCount);
        mProducts.setCount(row);
        ++mAdded;
        mAddedPartNumbers.append(partNumber);

        table.setCell(row, product::PartNumber, partNumber);
        QString name = text(1);
        if (name.isEmpty())
            name = texts::missingProductName();
        table.setCell(row, product::ProductName, ImportValues::name(name));

        const int priceColumn = mColumns[3]; // "List Price:"
        const SheetCell &priceCell = mSheet->cell(mRow, priceColumn);
        const ImportValues::Price price = ImportValues::price(priceCell);
        if (priceColumn != 0 && priceCell.isUnreadable())
            importError();
        else if (price.kind == ImportValues::Price::Kind::TooLarge)
            importError(); // a number the catalogue cannot hold
        else if (priceColumn != 0 && price.kind == ImportValues::Price::Kind::Number)
            table.setCell(row, product::Price, Cell(price.value));

        for (const UpdateFields::Field &field : UpdateFields::fields()) {
            if (field.column <= product::Price)
                continue;
            const QString value = text(field.list);
            if (!value.isEmpty())
                table.setCell(row, field.column, value);
        }
    }
    if (!mFinished)
        ++mRow;
    if (mRow > Workbook::kMaxRows)
        mFinished = true;
    tag(QString());
    return !mFinished;
}

void SpreadsheetImport::finish()
{
    mFinished = true;
    mProducts.sortByColumn(product::PartNumber);
}

ImportRecord SpreadsheetImport::record() const
{
    return ImportRecord::ofAdded(mOrderBefore, mProducts, mAddedPartNumbers);
}

void SpreadsheetImport::report()
{
    if (!mNotImported.isEmpty())
        mPrompter.message(texts::catalogueFull(product::Capacity, notImported()),
                          texts::updateCaption(), prompt::Buttons::Ok, prompt::Icon::Exclamation);
    if (mAdded > 0)
        mPrompter.message(texts::changesMade(mAdded), texts::successCaption(), prompt::Buttons::Ok);
}

} // namespace vendara
