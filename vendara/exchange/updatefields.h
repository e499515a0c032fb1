// The fifteen column lists of the update window (`CmbField` 0 to 14): which product field each
// feeds, what it offers, which entry a heading preselects, and which spreadsheet column a
// choice stands for.
//
// The two required lists (part number and product name) offer the spreadsheet's columns
// only; every other list starts with "Skip Field". Columns A to R are offered, up to the
// first one whose heading cell (row 1) is empty, as "Col " + the zero-based column number +
// "-  " + the heading.
#pragma once

#include "workbook.h"

// Qt
#include <QChar>
#include <QString>
#include <QStringList>

// std
#include <array>

namespace vendara {

class UpdateFields
{
public:
    static constexpr int kListCount = 15;
    // Columns A to R at most.
    static constexpr int kMaxColumns = 18;

    struct Field
    {
        int list;          // CmbField index
        const char *label; // shown beside the list
        int column;        // the product table column it feeds
        bool required;
    };

    // In the order of the product table's columns 1 to 15.
    [[nodiscard]] static const std::array<Field, kListCount> &fields();
    [[nodiscard]] static const Field &ofList(int list);
    [[nodiscard]] static bool isRequired(int list) { return list == 0 || list == 1; }

    struct Headings
    {
        QStringList texts; // row 1 of columns A onward, up to the first empty cell
        bool readable = true;
    };
    // The headings of the first worksheet; `cellText` gives a cell as the update uses it.
    [[nodiscard]] static Headings readHeadings(const Workbook &sheet);

    // The entries of a list for these headings.
    [[nodiscard]] static QStringList entries(int list, const QStringList &headings);
    // The entry a list starts on: the position of the last heading that names its field in
    // one of the forms "Part Number", "Part number", "part number" (and likewise "Product
    // Name", "Price", "Includes", "Notes"), or -1 (no choice: "Required" or nothing shown).
    [[nodiscard]] static int preselection(int list, const QStringList &headings);
    // The column letter a choice stands for: for the required lists position p gives the
    // letter with code 65 + p, for the others 64 + p, so "Skip Field" gives "@" and no choice
    // "?" - both meaning that the field is not imported.
    [[nodiscard]] static QChar letter(int list, int position);
    // The spreadsheet column (1 for A) of a letter, or 0 when the field is not imported.
    [[nodiscard]] static int columnOf(QChar letter);
};

} // namespace vendara
