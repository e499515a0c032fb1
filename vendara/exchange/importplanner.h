// Reads the first worksheet into an ImportPlan for "Add new products and update existing
// ones", one row per step like the add-only import, without changing anything.
//
// The first row whose part-number cell is empty ends the reading. A part number already in
// the catalogue (letter case ignored, the catalogue's own rule) updates that product: every
// field with a chosen column takes the cell's value with the conversions of a new product,
// but an empty cell keeps the field as it is, and so does a price cell that is no number.
// Numbers that say the same (12.5 and "$12.50") are no change. The part number itself never
// changes. Any other part number adds a product as the add-only import would, while the
// catalogue has room. A part number met earlier in the sheet, and a row with a cell that
// cannot be read, are skipped.
#pragma once

#include "importplan.h"
#include "updatefields.h"
#include "workbook.h"

// Qt
#include <QHash>

// std
#include <array>
#include <memory>

namespace vendara {

class Products;

class ImportPlanner
{
public:
    // `columns`: the spreadsheet column of each list (CmbField index), 0 for none.
    // `firstRow`: 2 when row 1 holds descriptions, else 1.
    ImportPlanner(const Products &products, std::unique_ptr<Workbook> sheet,
                  const std::array<int, UpdateFields::kListCount> &columns, int firstRow);

    // Reads the next row; false once the reading is finished.
    bool step();
    [[nodiscard]] bool finished() const { return mFinished; }
    // The row the next step reads.
    [[nodiscard]] int rowCounter() const { return mRow; }
    [[nodiscard]] const ImportPlan &plan() const { return mPlan; }

private:
    void readRow();
    void planChange(int productRow, const QString &partNumber);
    void planAdd(const QString &partNumber);
    void skip(const QString &partNumber, ImportPlan::SkipReason reason, int detail);
    [[nodiscard]] const SheetCell &cell(int list) const;
    // The product column of the first mapped cell that cannot be read (or holds a price too
    // large for the catalogue), or 0.
    [[nodiscard]] int unreadableColumn() const;

    const Products &mProducts;
    std::unique_ptr<Workbook> mSheet;
    std::array<int, UpdateFields::kListCount> mColumns;
    int mRow;
    bool mFinished = false;
    ImportPlan mPlan;
    QHash<QString, int> mSeen; // case-folded part number: the sheet row it was first met in
};

} // namespace vendara
