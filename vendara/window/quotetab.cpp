#include "quotetab.h"

// Qt
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QVBoxLayout>

// std
#include <algorithm>

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

    mGrdQuote->viewport()->installEventFilter(this);
}

void QuoteTab::fitColumns()
{
    QAbstractItemModel *model = mGrdQuote->model();
    if (model == nullptr)
        return;
    if (model != mWatchedModel) {
        // Amounts change with every edit: fit again when the lines change.
        mWatchedModel = model;
        const auto refit = [this] {
            fitColumns();
        };
        connect(model, &QAbstractItemModel::dataChanged, this, refit);
        connect(model, &QAbstractItemModel::rowsInserted, this, refit);
        connect(model, &QAbstractItemModel::rowsRemoved, this, refit);
        connect(model, &QAbstractItemModel::modelReset, this, refit);
    }
    QHeaderView *header = mGrdQuote->horizontalHeader();
    const int columns = header->count();
    constexpr int kProduct = 1;
    // Every column but the product name is as wide as its widest text, so that amounts and
    // part numbers are never cut; the product name takes what is left of the grid's width.
    int used = 0;
    for (int c = 0; c < columns; ++c) {
        if (c == kProduct || header->isSectionHidden(c))
            continue;
        mGrdQuote->resizeColumnToContents(c);
        used += header->sectionSize(c);
    }
    if (kProduct < columns) {
        const int rest = mGrdQuote->viewport()->width() - used;
        header->resizeSection(kProduct, std::max(rest, header->sectionSizeHint(kProduct)));
    }
}

bool QuoteTab::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == mGrdQuote->viewport() && event->type() == QEvent::Resize)
        fitColumns();
    return QWidget::eventFilter(watched, event);
}

void QuoteTab::resizeEvent(QResizeEvent *event)
{
    // The grid takes half the tab's height, the totals sit under it.
    mGrdQuote->setFixedHeight(std::max(80, height() / 2));
    QWidget::resizeEvent(event);
}

} // namespace vendara
