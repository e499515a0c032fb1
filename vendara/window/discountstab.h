// The "Discounts" tab: the price schedule `PriceSchedule` of the current product, a grid of
// five price points. Its table, model and commands attach to this grid.
#pragma once

// Qt
#include <QWidget>

class QGroupBox;
class QTableView;

namespace vendara {

class DiscountsTab : public QWidget
{
    Q_OBJECT

public:
    explicit DiscountsTab(QWidget *parent = nullptr);

    [[nodiscard]] QTableView *priceSchedule() const { return mPriceSchedule; }
    [[nodiscard]] QGroupBox *frame() const { return mFrame; }

private:
    QGroupBox *mFrame;
    QTableView *mPriceSchedule;
};

} // namespace vendara
