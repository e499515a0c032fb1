// The spreadsheet update: reads the first worksheet row by row and appends every product
// whose part number is not in the catalogue yet. It runs one row per step, so that the
// window can process its events between rows (repaint, show progress, take Cancel).
//
// A row is read in the columns chosen for the fifteen fields. The first row whose part
// number cell is empty ends the import. A part number already in the catalogue (letter case
// ignored, the catalogue's own rule) is skipped. A new product gets its part number, its name
// ("Missing Product Name" when the cell is empty) cut to 75 characters, its price only when
// the cell is a number (or a text that reads as one), and the texts of the other fields.
//
// A cell that cannot be read (an error value, a formula without a saved result) or a value
// that cannot be stored never becomes an empty field silently: the first such error is
// reported once, "There were errors importing the spreadsheet. ...", and the import goes on.
// The catalogue holds 1000 products: rows that would pass that are not imported, and the
// user is told how many.
#pragma once

#include "importrecord.h"
#include "updatefields.h"
#include "workbook.h"

// Qt
#include <QChar>
#include <QSet>
#include <QString>

// std
#include <array>
#include <functional>
#include <memory>

namespace prompt {
class Prompter;
}

namespace vendara {

class Products;

class SpreadsheetImport
{
public:
    // `letters`: the column letter of each list (CmbField index), as UpdateFields::letter
    // gives them. `firstRow`: 2 when row 1 holds descriptions, else 1.
    SpreadsheetImport(Products &products, prompt::Prompter &prompter,
                      std::unique_ptr<Workbook> sheet,
                      const std::array<QChar, UpdateFields::kListCount> &letters, int firstRow);

    // The product grid's tag: "Updating" while a row is handled, empty afterwards.
    void setTagHandler(std::function<void(const QString &)> handler);

    // Handles the next row; false once the import is finished.
    bool step();
    [[nodiscard]] bool finished() const { return mFinished; }
    // Ends the import (also when it is stopped early): sizes the table to the products and
    // sorts it by part number.
    void finish();
    // Then, once the grid shows the new rows: tells the user what did not fit into the
    // catalogue and how many products were added (nothing when none was).
    void report();
    // What the import added, to take it back.
    [[nodiscard]] ImportRecord record() const;

    // The row the next step reads (the progress display shows it).
    [[nodiscard]] int rowCounter() const { return mRow; }
    [[nodiscard]] int added() const { return mAdded; }
    [[nodiscard]] bool hadErrors() const { return mErrors; }
    [[nodiscard]] int notImported() const { return int(mNotImported.size()); }

private:
    // A mapped cell's text; an unreadable cell counts as an import error and gives nothing.
    QString text(int list);
    void importError();
    void tag(const QString &text);

    Products &mProducts;
    prompt::Prompter &mPrompter;
    std::unique_ptr<Workbook> mSheet;
    std::array<int, UpdateFields::kListCount> mColumns{};
    std::function<void(const QString &)> mTag;
    int mRow;
    int mAdded = 0;
    bool mErrors = false;
    bool mFinished = false;
    QSet<QString> mNotImported; // part numbers, case folded
    bool mStarted = false;
    QStringList mOrderBefore;
    QStringList mAddedPartNumbers;
};

} // namespace vendara
