#include "discountstab.h"

// Qt
#include <QGroupBox>
#include <QHeaderView>
#include <QTableView>
#include <QVBoxLayout>

namespace vendara {

DiscountsTab::DiscountsTab(QWidget *parent)
    : QWidget(parent)
    , mFrame(new QGroupBox(QStringLiteral("Price Schedule")))
    , mPriceSchedule(new QTableView)
{
    setObjectName(QStringLiteral("Discounts"));
    mFrame->setAccessibleName(QStringLiteral("Price Schedule"));
    mPriceSchedule->setObjectName(QStringLiteral("PriceSchedule"));
    mPriceSchedule->setAccessibleName(QStringLiteral("Price Schedule"));
    // Each of the two columns takes half the grid's width.
    mPriceSchedule->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    mPriceSchedule->setSelectionBehavior(QAbstractItemView::SelectRows);

    auto *inner = new QVBoxLayout(mFrame);
    inner->setContentsMargins(6, 4, 6, 6);
    inner->addWidget(mPriceSchedule);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(mFrame);
}

} // namespace vendara
