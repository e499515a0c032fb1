// The update window `FrmUpdate` without its widgets: the column lists with their entries and
// choices, "First row contains descriptions", the two actions, and OK, which checks the
// required choices and starts the import: with "Add new products to Encyclopedia" the import
// that adds as it reads, with "Add new products and update existing ones" the reading into a
// plan, which the preview shows and `apply` makes. The window (FrmUpdate) shows this state and
// runs the steps between its events; tests drive it directly.
#pragma once

#include "importplanner.h"
#include "importrecord.h"
#include "spreadsheetimport.h"
#include "updatefields.h"

// Qt
#include <QString>
#include <QStringList>

// std
#include <array>
#include <memory>
#include <optional>

namespace prompt {
class Prompter;
}

namespace vendara {

class Products;

class UpdateForm
{
public:
    static constexpr int kTimerInterval = 2000; // ms, `Timer1`
    static constexpr int kHelpTopic = 1090;

    UpdateForm(Products &products, prompt::Prompter &prompter, QString workbookPath);

    [[nodiscard]] const QString &workbookPath() const { return mPath; }

    // Opening the window, once the workbook has been read (the window reads it through the
    // reader process, WorkbookProcess): the lists, filled from the headings in row 1 of the
    // first worksheet, and their preselection. False when the file is not a workbook; the
    // user has then been told ("This file is not an Excel 97 file.", titled "Error " and a
    // number, with the reader's own failure in the details) and the lists offer no columns.
    // A reading the user cancelled is not reported.
    bool loadsheet(Workbook::OpenResult opened);
    // The worksheet read by loadsheet (null before, or when it was no workbook).
    [[nodiscard]] const Workbook *sheet() const { return mSheet.get(); }

    [[nodiscard]] const QStringList &headings() const { return mHeadings; }
    [[nodiscard]] QStringList entries(int list) const;
    // The chosen entry of a list, -1 for none ("Required" in the two required lists).
    [[nodiscard]] int selection(int list) const { return mSelection[std::size_t(list)]; }
    void select(int list, int position);

    [[nodiscard]] bool firstRowHoldsDescriptions() const { return mIgnoreFirstRow; }
    void setFirstRowHoldsDescriptions(bool on) { mIgnoreFirstRow = on; }
    // A click on "Add new products to Encyclopedia" chooses that action and sets the product
    // name back to "Required".
    void clickAdd();

    enum class Action { Add, AddAndUpdate };
    [[nodiscard]] Action action() const { return mAction; }
    void setAction(Action action) { mAction = action; }

    // OK: nothing when a required list has no choice ("Missing required fields" shown) or no
    // workbook was read; otherwise the import of the sheet read when the window opened, ready
    // for its first step.
    [[nodiscard]] std::unique_ptr<SpreadsheetImport> start();
    // OK with "Add new products and update existing ones": as start, but the reading into a
    // plan, which changes nothing.
    [[nodiscard]] std::unique_ptr<ImportPlanner> startUpdate();
    // "Apply" in the preview: makes the plan's changes at once and sorts the catalogue by part
    // number. The record takes them back.
    ImportRecord apply(const ImportPlan &plan);
    // Then, once the grid shows the catalogue again: "N changes have been made to the
    // knowledge base." with the products added and changed, nothing when there were none.
    void reportApplied(const ImportRecord &record);

    // The window's caption at a tick of the progress timer: "Please wait" when it is
    // anything else, else the row counter and " products analyzed".
    [[nodiscard]] static QString progressCaption(const QString &caption, int rowCounter);

private:
    struct Source
    {
        std::unique_ptr<Workbook> sheet;
        std::array<QChar, UpdateFields::kListCount> letters;
        int firstRow;
    };

    void notAWorkbook(int errorNumber, const QString &detail = {});
    // The required choices checked and the sheet read when the window opened.
    [[nodiscard]] std::optional<Source> source();

    Products &mProducts;
    prompt::Prompter &mPrompter;
    QString mPath;
    std::shared_ptr<const Workbook> mSheet;
    QStringList mHeadings;
    std::array<int, UpdateFields::kListCount> mSelection;
    bool mIgnoreFirstRow = true;
    Action mAction = Action::Add;
};

} // namespace vendara
