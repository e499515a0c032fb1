// The "Quote" tab: the quote grid `GrdQuote` and under it the frame "Quote Details" with the
// totals. The quote's table, model and commands attach to these controls.
#pragma once

// Qt
#include <QWidget>

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

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QTableView *mGrdQuote;
    QGroupBox *mFraQuote;
    QLineEdit *mTxtTotal;
    QLineEdit *mTxtDisc;
    QLineEdit *mTxtQdisper;
};

} // namespace vendara
