// Committing the details of a product: the price box, the includes and notes boxes and the
// price schedule go into the product's row of the table. What is copied, and in which form,
// depends on the occasion.
#pragma once

#include "vendara/store/table.h"

// Qt
#include <QString>

namespace vendara {

class PriceScheduleTable;

// The details boxes of the current product, as the table would take them (CR LF line
// breaks).
struct ProductDetails
{
    QString price;
    QString includes;
    QString notes;
};

enum class CommitOccasion {
    RowChange,     // the grid's current row moves while editing is on
    EditButtonOff, // the toolbar's "Edit" button ends editing
    NewProduct,    // "New Product" while editing is on
    EditMenuOff,   // the menu item "&Edit" ends editing
    WindowClose,   // the main window closes while editing is on
};

class DetailCommit
{
public:
    struct Rule
    {
        bool currencyPrice = false;   // the price in the "currency" form, else as typed
        bool copyPricePoints = false; // the schedule goes into the product
        bool sortPricePoints = false; // ascending by quantity before it does
    };

    [[nodiscard]] static Rule rule(CommitOccasion occasion);

    // Writes `details` (and, as the occasion's rule says, the schedule) into product row
    // `row`; nothing for a row outside the table. A pending edit of the schedule grid must
    // have been ended before.
    static void commit(Table &products, int row, const ProductDetails &details,
                       PriceScheduleTable &schedule, CommitOccasion occasion);
};

} // namespace vendara
