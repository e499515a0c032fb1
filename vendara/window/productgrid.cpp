#include "productgrid.h"

// Qt
#include <QHeaderView>
#include <QMouseEvent>

namespace vendara {

ProductGrid::ProductGrid(QWidget *parent)
    : QTableView(parent)
{
    setObjectName(QStringLiteral("GrdMain"));
    setAccessibleName(QStringLiteral("Products"));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                    | QAbstractItemView::AnyKeyPressed);
    setAlternatingRowColors(true);
    setWordWrap(false);
    setMouseTracking(true);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    verticalHeader()->setDefaultSectionSize(verticalHeader()->minimumSectionSize() + 4);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->hide();
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void ProductGrid::scrollTo(const QModelIndex &index, ScrollHint hint)
{
    if (index.isValid() && index.column() <= 1)
        return QTableView::scrollTo(index.siblingAtColumn(0), hint);
    QTableView::scrollTo(index, hint);
}

int ProductGrid::contentWidth(int column) const
{
    if (model() == nullptr || column < 0 || column >= model()->columnCount())
        return 0;
    int width = horizontalHeader()->sectionSizeHint(column);
    const int gridLine = showGrid() ? 1 : 0;
    for (int row = 0; row < model()->rowCount(); ++row)
        width = std::max(width, sizeHintForIndex(model()->index(row, column)).width() + gridLine);
    return width;
}

void ProductGrid::mouseMoveEvent(QMouseEvent *event)
{
    emit mouseMoved();
    QTableView::mouseMoveEvent(event);
}

void ProductGrid::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::RightButton)
        return QTableView::mouseReleaseEvent(event);
    const int row = rowAt(int(event->position().y()));
    if (row >= 0)
        setCurrentIndex(model()->index(row, std::max(0, currentIndex().column())));
    emit rightButtonReleased(row, event->globalPosition().toPoint());
}

} // namespace vendara
