// A grid of texts over a StringGridModel, with an optional fixed first column that stays in
// place while the other columns scroll sideways. Column widths come from the model; a width
// of 0 hides the column.
#pragma once

// Qt
#include <QTableView>

namespace dorvane {

class StringGridModel;

namespace ui {

class GridView : public QTableView
{
    Q_OBJECT

public:
    explicit GridView(QWidget *parent = nullptr);

    void setGridModel(StringGridModel *model);
    // 1: the first column does not scroll and cannot be resized; 0: it is like the others.
    void setFixedColumns(int count);
    [[nodiscard]] int fixedColumns() const { return mFixedColumns; }
    void setRowHeight(int height);
    // A width of the model in the pixels of this view's font.
    [[nodiscard]] int scaled(int width) const;

protected:
    void resizeEvent(QResizeEvent *event) override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    void scrollTo(const QModelIndex &index, ScrollHint hint = EnsureVisible) override;
    void updateGeometries() override;

private:
    void applyColumnWidths();
    void placeFixedColumn();

    StringGridModel *mModel = nullptr;
    QTableView *mFixed = nullptr;
    int mFixedColumns = 0;
};

} // namespace ui
} // namespace dorvane
