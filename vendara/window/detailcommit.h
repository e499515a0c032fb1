// Committing the details of a product: the price box, the includes and notes boxes and the
// price schedule go into the product's row of the table. What is copied, and in which form,
// depends on the occasion. A box goes in only when it was changed: the price box shows a
// price rounded to the cent, so writing it back unchanged would turn 0.125 into $0.12.
#pragma once

#include "vendara/store/table.h"

// Qt
#include <QString>

// std
#include <optional>

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

// What the details boxes were filled with for the current product, in the form
// `ProductDetails` gives them; nothing for a box the user has typed into since, whatever it
// says now.
struct ShownDetails
{
    std::optional<QString> price;
    std::optional<QString> includes;
    std::optional<QString> notes;
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

    // Writes each of `details` that was changed, typed into or different from what `shown`
    // says the box was filled with, into product row `row` (and, as the occasion's rule says,
    // the schedule); nothing for a row outside the table. A pending edit of the schedule grid
    // must have been ended before.
    static void commit(Table &products, int row, const ProductDetails &details,
                       const ShownDetails &shown, PriceScheduleTable &schedule,
                       CommitOccasion occasion);
};

} // namespace vendara
