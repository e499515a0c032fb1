// What an update from a spreadsheet would do to the catalogue, read from the sheet before
// anything changes: one entry per sheet row that adds a product, changes one or is skipped,
// in the sheet's order, and the number of rows that would change nothing. A plain value: the
// preview shows it, and an ImportRecord made from it applies it.
#pragma once

#include "vendara/store/cell.h"
#include "vendara/store/productcolumns.h"

// Qt
#include <QList>
#include <QString>

// std
#include <array>

namespace vendara {

// The fifteen cells of a product, column 1 at index 0.
using ProductRow = std::array<Cell, product::ColumnCount>;

// One field of one product, as it is and as it will be.
struct FieldChange
{
    int column = 0; // product table column
    Cell before;
    Cell after;

    bool operator==(const FieldChange &other) const = default;
};

struct ImportPlan
{
    enum class Action {
        Add,    // a part number not in the catalogue: a new product
        Change, // a product of the catalogue with fields that change
        Skip,   // a row that is not applied
    };
    enum class SkipReason {
        None,
        Duplicate,     // its part number was met in an earlier row of the sheet
        CatalogueFull, // a new product beyond the catalogue's 1000 products
        Unreadable,    // a cell that cannot be read, or a price the catalogue cannot hold
    };

    struct Entry
    {
        Action action = Action::Skip;
        int sheetRow = 0;
        // Add and Skip: as the sheet has it; Change: as the catalogue has it (its letter case
        // is kept).
        QString partNumber;
        ProductRow row;             // Add: the new product
        QString name;               // Change: the product's name as it is now
        QList<FieldChange> changes; // Change: in column order
        SkipReason reason = SkipReason::None;
        // Duplicate: the sheet row that had the part number first; Unreadable: the product
        // table column of the first cell that could not be read.
        int reasonDetail = 0;

        bool operator==(const Entry &other) const = default;
    };

    QList<Entry> entries;
    int unchanged = 0; // rows of products that the sheet leaves as they are

    [[nodiscard]] int count(Action action) const;
    [[nodiscard]] int added() const { return count(Action::Add); }
    [[nodiscard]] int changed() const { return count(Action::Change); }
    [[nodiscard]] int skipped() const { return count(Action::Skip); }
};

} // namespace vendara
