#include "quotetab.h"

// Qt
#include <QFormLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QVBoxLayout>

namespace vendara {

namespace {

QLineEdit *totalBox(const QString &name, const QString &label)
{
    auto *box = new QLineEdit;
    box->setObjectName(name);
    box->setAccessibleName(label);
    box->setReadOnly(true);
    box->setAlignment(Qt::AlignRight);
    box->setMaximumWidth(160);
    return box;
}

} // namespace

QuoteTab::QuoteTab(QWidget *parent)
    : QWidget(parent)
    , mGrdQuote(new QTableView)
    , mFraQuote(new QGroupBox(QStringLiteral("Quote Details")))
    , mTxtTotal(totalBox(QStringLiteral("TxtTotal"), QStringLiteral("Total:")))
    , mTxtDisc(totalBox(QStringLiteral("TxtDisc"), QStringLiteral("Discount Amount:")))
    , mTxtQdisper(totalBox(QStringLiteral("TxtQdisper"), QStringLiteral("Discount Percent:")))
{
    setObjectName(QStringLiteral("Quote"));
    mGrdQuote->setObjectName(QStringLiteral("GrdQuote"));
    mGrdQuote->setAccessibleName(QStringLiteral("Quote"));
    mGrdQuote->setSelectionBehavior(QAbstractItemView::SelectRows);
    mGrdQuote->verticalHeader()->setDefaultSectionSize(
        mGrdQuote->verticalHeader()->minimumSectionSize() + 4);
    mFraQuote->setObjectName(QStringLiteral("FraQuote"));
    mFraQuote->setAccessibleName(QStringLiteral("Quote Details"));

    auto *totals = new QFormLayout(mFraQuote);
    totals->setLabelAlignment(Qt::AlignRight);
    totals->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    totals->addRow(QStringLiteral("Total:"), mTxtTotal);
    totals->addRow(QStringLiteral("Discount Amount:"), mTxtDisc);
    totals->addRow(QStringLiteral("Discount Percent:"), mTxtQdisper);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(mGrdQuote);
    layout->addWidget(mFraQuote);
    layout->addStretch(1);
}

void QuoteTab::resizeEvent(QResizeEvent *event)
{
    // The grid takes half the tab's height, the totals sit under it.
    mGrdQuote->setFixedHeight(std::max(80, height() / 2));
    QWidget::resizeEvent(event);
}

} // namespace vendara
