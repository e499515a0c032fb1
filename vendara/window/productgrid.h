// `GrdMain`: the product grid. A view of the product table; it reports mouse moves and the
// right button, and its header clicks sort the table (the window decides how).
#pragma once

// Qt
#include <QTableView>

namespace vendara {

class ProductGrid : public QTableView
{
    Q_OBJECT

public:
    // The grid's first columns: part number and product name in view, the price hidden
    // except while the price list is printed and after an export.
    enum Column { PartNumberColumn = 0, ProductNameColumn = 1, PriceColumn = 2 };

    explicit ProductGrid(QWidget *parent = nullptr);

    // Part number and product name both start at the grid's left edge: scrolling to either
    // keeps the part number in view instead of jumping into the wide product-name column.
    void scrollTo(const QModelIndex &index, ScrollHint hint = EnsureVisible) override;

    // A cell editor is open.
    [[nodiscard]] bool isEditingCell() const { return state() == EditingState; }
    // The width that shows grid column `column`'s heading and every one of its texts whole.
    [[nodiscard]] int contentWidth(int column) const;

signals:
    void mouseMoved();
    // The right button was released over row `row` (0-based; -1 below the last row), which
    // has become the current row.
    void rightButtonReleased(int row, const QPoint &globalPosition);

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
};

} // namespace vendara
