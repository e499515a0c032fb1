// The "Quote" tab: the quote grid `GrdQuote` and under it the frame "Quote Details" with the
// totals. The quote's table, model and commands attach to these controls.
#pragma once

// Qt
#include <QWidget>

class QAbstractItemModel;
class QGroupBox;
class QLineEdit;
class QTableView;

namespace vendara {

class QuoteTab : public QWidget
{
    Q_OBJECT

public:
    explicit QuoteTab(QWidget *parent = nullptr);

    [[nodiscard]] QTableView *grdQuote() const { return mGrdQuote; }
    [[nodiscard]] QGroupBox *fraQuote() const { return mFraQuote; }
    [[nodiscard]] QLineEdit *txtTotal() const { return mTxtTotal; }
    [[nodiscard]] QLineEdit *txtDisc() const { return mTxtDisc; }
    [[nodiscard]] QLineEdit *txtQdisper() const { return mTxtQdisper; }

    // Fits the columns to the grid: amounts, quantities and part numbers as wide as their
    // texts, the product name filling the rest.
    void fitColumns();

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QTableView *mGrdQuote;
    QGroupBox *mFraQuote;
    QLineEdit *mTxtTotal;
    QLineEdit *mTxtDisc;
    QLineEdit *mTxtQdisper;
    QAbstractItemModel *mWatchedModel = nullptr;
};

} // namespace vendara
