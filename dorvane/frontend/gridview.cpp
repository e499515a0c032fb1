#include "gridview.h"

#include "stringgridmodel.h"

// Qt
#include <QHeaderView>
#include <QScrollBar>

namespace dorvane::ui {

GridView::GridView(QWidget *parent)
    : QTableView(parent)
    , mFixed(new QTableView(this))
{
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setWordWrap(false);
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    // The fixed column is a second view laid over the first column.
    mFixed->setFocusPolicy(Qt::NoFocus);
    mFixed->verticalHeader()->hide();
    mFixed->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    mFixed->horizontalHeader()->setHighlightSections(false);
    mFixed->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    mFixed->setSelectionBehavior(QAbstractItemView::SelectRows);
    mFixed->setSelectionMode(QAbstractItemView::SingleSelection);
    mFixed->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    mFixed->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    mFixed->setVerticalScrollMode(verticalScrollMode());
    mFixed->setWordWrap(false);
    mFixed->setStyleSheet(
        QStringLiteral("QTableView { border: none; }"
                       "QTableView::item { background-color: palette(button); }"
                       "QTableView::item:selected { background-color: palette(highlight);"
                       " color: palette(highlighted-text); }"));
    mFixed->hide();
    viewport()->stackUnder(mFixed);

    connect(mFixed->verticalScrollBar(), &QAbstractSlider::valueChanged, verticalScrollBar(),
            &QAbstractSlider::setValue);
    connect(verticalScrollBar(), &QAbstractSlider::valueChanged, mFixed->verticalScrollBar(),
            &QAbstractSlider::setValue);
}

void GridView::setGridModel(StringGridModel *model)
{
    mModel = model;
    setModel(model);
    mFixed->setModel(model);
    mFixed->setSelectionModel(selectionModel());
    connect(model, &StringGridModel::columnWidthsChanged, this, &GridView::applyColumnWidths);
    connect(model, &QAbstractItemModel::modelReset, this, &GridView::applyColumnWidths);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int logical, int, int size) {
                if (logical == 0) {
                    mFixed->setColumnWidth(0, size);
                    placeFixedColumn();
                }
            });
    applyColumnWidths();
}

void GridView::setRowHeight(int height)
{
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(height);
    mFixed->verticalHeader()->setMinimumSectionSize(1);
    mFixed->verticalHeader()->setDefaultSectionSize(height);
}

void GridView::setFixedColumns(int count)
{
    mFixedColumns = count > 0 ? 1 : 0;
    horizontalHeader()->setSectionResizeMode(0, mFixedColumns ? QHeaderView::Fixed
                                                              : QHeaderView::Interactive);
    placeFixedColumn();
}

int GridView::scaled(int width) const
{
    // Widths are given for the handheld desktop's 8-point system font, 13 pixels high.
    const double scale = qMax(1.0, fontMetrics().height() / 13.0);
    return int(width * scale + 0.5);
}

void GridView::applyColumnWidths()
{
    if (mModel == nullptr)
        return;
    for (int c = 0; c < mModel->columnCount(); ++c) {
        const int width = scaled(mModel->columnWidth(c));
        setColumnHidden(c, width <= 0);
        if (width > 0)
            setColumnWidth(c, width);
        mFixed->setColumnHidden(c, c != 0 || width <= 0);
    }
    if (mModel->columnWidth(0) > 0)
        mFixed->setColumnWidth(0, scaled(mModel->columnWidth(0)));
    placeFixedColumn();
}

void GridView::placeFixedColumn()
{
    const bool show = mFixedColumns > 0 && mModel != nullptr && !isColumnHidden(0);
    mFixed->setVisible(show);
    if (!show)
        return;
    mFixed->setGeometry(frameWidth(), frameWidth(), columnWidth(0),
                        viewport()->height() + horizontalHeader()->height());
    mFixed->verticalScrollBar()->setValue(verticalScrollBar()->value());
}

void GridView::resizeEvent(QResizeEvent *event)
{
    QTableView::resizeEvent(event);
    placeFixedColumn();
}

void GridView::updateGeometries()
{
    QTableView::updateGeometries();
    placeFixedColumn();
}

QModelIndex GridView::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers)
{
    QModelIndex current = QTableView::moveCursor(cursorAction, modifiers);
    if (mFixedColumns > 0 && cursorAction == MoveLeft && current.column() > 0
        && visualRect(current).topLeft().x() < mFixed->columnWidth(0)) {
        const int newValue = horizontalScrollBar()->value() + visualRect(current).topLeft().x()
                             - mFixed->columnWidth(0);
        horizontalScrollBar()->setValue(newValue);
    }
    return current;
}

void GridView::scrollTo(const QModelIndex &index, ScrollHint hint)
{
    if (mFixedColumns == 0 || index.column() > 0)
        QTableView::scrollTo(index, hint);
}

} // namespace dorvane::ui
