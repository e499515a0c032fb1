// A stand-in for the main window under product editing: it keeps a current row that follows
// inserted and removed rows as a grid's selection does, shows a row's details in three
// "boxes" as the window does (remembering what it filled them with until the user types),
// and answers the "Locate Product" prompt from a queue.
#pragma once

#include "vendara/pricing/pricescheduletable.h"
#include "vendara/store/productcolumns.h"
#include "vendara/store/tablemodel.h"
#include "vendara/window/editorview.h"
#include "vendara/window/producteditor.h"

// Qt
#include <QStringList>

// std
#include <deque>

namespace testsupport {

class FakeEditorView : public vendara::EditorView
{
public:
    FakeEditorView(vendara::Table &table, vendara::PriceScheduleTable &schedule)
        : mTable(table)
        , mSchedule(schedule)
    {
        QObject::connect(&table, &vendara::Table::rowsInserted, [this](int first, int last) {
            if (current >= first)
                current += last - first + 1;
        });
        QObject::connect(&table, &vendara::Table::rowsAboutToBeRemoved,
                         [this](int first, int last) { rowsAboutToBeRemoved(first, last); });
        QObject::connect(&table, &vendara::Table::aboutToReset, [this] { current = 0; });
    }

    void attach(vendara::ProductEditor &editor) { mEditor = &editor; }

    // The user types into the boxes.
    void type(const QString &price, const QString &includes, const QString &notes)
    {
        boxes = {price, includes, notes};
        shown = {};
    }
    // The user types into the price schedule grid; false when it is locked.
    bool typePricePoint(int k, const QString &quantity, const QString &price)
    {
        vendara::TableModel &model = mSchedule.model();
        return model.setData(model.index(k - 1, 0), quantity, Qt::EditRole)
               && model.setData(model.index(k - 1, 1), price, Qt::EditRole);
    }

    bool editButton() const override { return button; }
    void setEditButton(bool pressed) override { button = pressed; }
    void applyEditState(bool isUnlocked, bool schedule) override
    {
        unlocked = isUnlocked;
        if (schedule)
            mSchedule.setLocked(!isUnlocked);
    }
    void finishCellEdit() override { ++cellEditsFinished; }
    void finishScheduleEdit() override { ++scheduleEditsFinished; }
    vendara::ProductDetails details() const override { return boxes; }
    vendara::ShownDetails shownDetails() const override { return shown; }
    void clearDetails() override
    {
        boxes = {};
        fill();
    }
    void showCurrentDetails() override
    {
        using namespace vendara;
        boxes = {TableModel::formatCell(mTable.cell(current, product::Price), CellFormat::Currency),
                 mTable.cell(current, product::Includes).toText(),
                 mTable.cell(current, product::Notes).toText()};
        fill();
        if (mEditor != nullptr)
            mEditor->detailsShown(current);
    }
    int currentRow() const override { return current; }
    void setCurrentRow(int row) override
    {
        if (row < 1 || row > mTable.rows() || row == current)
            return;
        changeRow(row);
    }
    void focusGrid() override {}
    void setGridVisible(bool visible) override
    {
        gridVisible = visible;
        gridEvents.append(visible ? QStringLiteral("shown") : QStringLiteral("hidden"));
    }
    void selectFirstColumn() override { gridEvents.append(QStringLiteral("first column")); }
    QString askSearchText(const QString &message, const QString &text) override
    {
        searchPrompts.append(message);
        searchDefaults.append(text);
        if (searchAnswers.empty())
            return {};
        const QString answer = searchAnswers.front();
        searchAnswers.pop_front();
        return answer;
    }

    bool button = false;
    bool unlocked = false;
    vendara::ProductDetails boxes;
    vendara::ShownDetails shown;
    int current = 0;
    bool gridVisible = true;
    // What happened to the grid, in order: "hidden", "shown", "first column", "row N".
    QStringList gridEvents;
    int cellEditsFinished = 0;
    int scheduleEditsFinished = 0;
    std::deque<QString> searchAnswers;
    QStringList searchPrompts;
    QStringList searchDefaults;

private:
    void fill() { shown = {boxes.price, boxes.includes, boxes.notes}; }
    void changeRow(int row)
    {
        const int previous = current;
        if (mEditor != nullptr)
            mEditor->rowChanging(previous, row);
        current = row;
        gridEvents.append(QStringLiteral("row %1").arg(row));
        showCurrentDetails();
    }
    // As a grid's selection: the row above becomes current, else the row below.
    void rowsAboutToBeRemoved(int first, int last)
    {
        const int count = last - first + 1;
        if (current >= first && current <= last) {
            const int next = first > 1 ? first - 1 : (last < mTable.rows() ? last + 1 : 0);
            if (next == 0) {
                if (mEditor != nullptr)
                    mEditor->rowChanging(current, 0);
                current = 0;
                showCurrentDetails();
            } else {
                changeRow(next);
            }
            if (current > last)
                current -= count;
        } else if (current > last) {
            current -= count;
        }
    }

    vendara::Table &mTable;
    vendara::PriceScheduleTable &mSchedule;
    vendara::ProductEditor *mEditor = nullptr;
};

} // namespace testsupport
