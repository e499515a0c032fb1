// Product editing in the main window: edit mode and its locked and unlocked states, the
// commit of a product's details on each occasion, new, add, delete, delete all, Find, the
// price schedule's Clear, and what a row change and a header-click sort mean for editing.
//
// Edit mode is the pressed state of the toolbar's "Edit" button and nothing else: every
// operation asks the view. Changes live in the product table until the window closes;
// nothing here writes the catalogue file. Every change to the table is one step of the
// product history, so that it can be undone.
#pragma once

#include "detailcommit.h"

// Qt
#include <QString>

namespace prompt {
class Prompter;
}

namespace vendara {

class EditorView;
class PriceScheduleTable;
class ProductHistory;
class Products;

class ProductEditor
{
public:
    ProductEditor(Products &products, PriceScheduleTable &schedule, EditorView &view,
                  prompt::Prompter &prompter, ProductHistory &history);

    // Toolbar "Edit", run after the button has changed state.
    void toggleEditButton();
    // Menu "&Edit": flips the button, then locks or unlocks as the button does.
    void toggleEditMenu();
    // Toolbar "Insert": commits the current product when editing, inserts a blank product
    // as the first row, switches editing on and empties the details.
    void newProduct();
    // Menu "&Add": inserts a blank product as the first row and switches editing on.
    void addProduct();
    // Toolbar "DelProd", menu "&Delete", after "Delete this product?".
    void deleteProduct();
    // Menu "Delete &All", after "Delete All Products?".
    void deleteAll();
    // Toolbar "Find": asks with the "Locate Product" prompt and goes to the next product
    // whose part number or name contains the text.
    void find();
    // "&Clear" of the price schedule's menu: the current product loses its price points,
    // whether editing is on or not.
    void clearPrices();
    // "&Undo" and "&Redo": in edit mode the open edit is committed first, as a step of its
    // own (which an undo then takes back).
    void undo();
    void redo();

    // The grid's current row moves from `previous` to `current` (table rows, 0 for none),
    // before the new row's details are shown: commits the row left when editing is on,
    // unless the move is the one that inserting a new product causes.
    void rowChanging(int previous, int current);
    // The details of `row` are shown: reloads the price schedule.
    void detailsShown(int row);
    // A header click sorted the table and released the "Edit" button: editing ends without
    // committing.
    void sorted();
    // The window closes: commits the current product when editing is on.
    void unloading();

    // The grid's tag: "Adding New" from New Product until the next row change. Other
    // commands set it too (the spreadsheet update marks the row it handles).
    [[nodiscard]] const QString &addingMarker() const { return mAddingMarker; }
    void setAddingMarker(const QString &tag) { mAddingMarker = tag; }
    [[nodiscard]] const QString &lastSearchText() const { return mLastSearchText; }

private:
    // Ends editing as the toolbar button does when released, committing the current row.
    void finishEditing(CommitOccasion occasion, bool schedule);
    // Ends a pending edit of the schedule grid when the occasion stores the schedule.
    void finishScheduleEdit(CommitOccasion occasion);
    void commit(int row, CommitOccasion occasion);
    // Commits the details into `row` as one step of the history, when they change it.
    void recordCommit(int row, CommitOccasion occasion);
    // Ends a cell edit in progress and commits the details being edited, as when editing is
    // ended by the button, but editing stays on.
    void commitOpenEdit();
    // Inserts a blank product before the first row and makes it current.
    void insertFirstRow(const QString &step);
    // Tells the user when the catalogue holds as many products as it can; true then.
    bool refuseWhenFull();

    Products &mProducts;
    PriceScheduleTable &mSchedule;
    EditorView &mView;
    prompt::Prompter &mPrompter;
    ProductHistory &mHistory;
    QString mAddingMarker;
    QString mLastSearchText;
};

} // namespace vendara
