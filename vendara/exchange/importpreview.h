// What the preview of an update shows and copies: the counts of new, changed, unchanged and
// skipped rows, and one line per product that the update adds or changes or per row it skips,
// with a column for each field the update touches. A changed field shows as "old → new",
// prices in the currency form. The list goes to the clipboard as tab-separated text and as an
// HTML table.
#pragma once

#include "importplan.h"

#include "vendara/store/table.h"
#include "vendara/store/tablemodel.h"

// Qt
#include <QList>
#include <QString>
#include <QStringList>

// std
#include <memory>

class QMimeData;

namespace vendara {

class ImportPreview
{
public:
    explicit ImportPreview(ImportPlan plan);

    [[nodiscard]] const ImportPlan &plan() const { return mPlan; }
    // "New products: 2", "Changed products: 3", "Unchanged products: 10", "Skipped rows: 1".
    [[nodiscard]] QStringList counts() const;

    // The grid's table: one row per entry of the plan, in the columns of gridColumns().
    [[nodiscard]] Table &table() { return mTable; }
    [[nodiscard]] QList<GridColumn> gridColumns() const;
    [[nodiscard]] QStringList headings() const;
    // The cells of line `row` (from 1) as the grid shows them.
    [[nodiscard]] QStringList line(int row) const;

    // The headings and the lines, tab-separated, one line per product.
    [[nodiscard]] QString plainText() const;
    [[nodiscard]] QString html() const;
    [[nodiscard]] std::unique_ptr<QMimeData> mimeData() const;

    // A field as the preview shows it: prices in the currency form, line breaks and tabs as
    // blanks.
    [[nodiscard]] static QString shown(int column, const Cell &cell);
    // "$10.00 → $12.50"; an empty side shows as "(empty)".
    [[nodiscard]] static QString change(int column, const Cell &before, const Cell &after);

private:
    void fill();

    ImportPlan mPlan;
    QList<int> mFields; // the product columns shown after part number and action
    Table mTable;
};

} // namespace vendara
