// The history of the product table: every change made through the window is one step that
// can be undone and redone (Qt's undo stack), and undoing or redoing a step brings back the
// exact cells, the product count and the current row. The history ends with the program.
//
// A step is pushed either to make its change (the step's redo makes it), or after the
// change was made, inside a `Recording`. The table must not change in any other way while
// there are steps: a change the history did not see would make the older steps write into
// the wrong rows, so it clears the history instead.
#pragma once

// Qt
#include <QObject>
#include <QString>
#include <QUndoStack>

// std
#include <functional>

namespace vendara {

class ProductCommand;
class Products;

class ProductHistory : public QObject
{
    Q_OBJECT

public:
    // Makes `row` current and shows its details (`KeepRow`: the current row stays, its
    // details are shown again).
    using ShowRow = std::function<void(int row)>;
    static constexpr int KeepRow = -1;

    explicit ProductHistory(Products &products, QObject *parent = nullptr);
    ~ProductHistory() override;

    [[nodiscard]] Products &products() const { return mProducts; }
    [[nodiscard]] QUndoStack &stack() { return mStack; }
    [[nodiscard]] const QUndoStack &stack() const { return mStack; }
    void setShowRow(ShowRow showRow) { mShowRow = std::move(showRow); }

    // The table is being changed through the history: row changes commit nothing then, and
    // the change is one the history knows of. Features that change the table themselves
    // hold one from their first change until their step is pushed.
    class Recording
    {
    public:
        explicit Recording(ProductHistory &history)
            : mHistory(history)
        {
            ++mHistory.mRecording;
        }
        ~Recording() { --mHistory.mRecording; }
        Recording(const Recording &) = delete;
        Recording &operator=(const Recording &) = delete;

    private:
        ProductHistory &mHistory;
    };
    [[nodiscard]] bool isRecording() const { return mRecording > 0; }

    // Pushes a step; the stack owns it. Unless it was marked applied, its change is made now.
    // A step that turns out to change nothing is dropped.
    void push(ProductCommand *command);
    // A change a feature has already made to the table, inside a Recording, as one step
    // named `text`: `revert` undoes it and `apply` makes it again, the product count
    // included. `rowBefore` and `rowAfter` are the current rows to show after undoing and
    // redoing it.
    void pushApplied(const QString &text, std::function<void(Products &)> revert,
                     std::function<void(Products &)> apply, int rowBefore, int rowAfter);

    void undo();
    void redo();

    // For the steps: shows `row` after an undo or a redo.
    void showRow(int row);

private:
    void tableChanged();

    Products &mProducts;
    QUndoStack mStack;
    ShowRow mShowRow;
    int mRecording = 0;
};

} // namespace vendara
