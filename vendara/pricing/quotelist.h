// The quote: the lines a salesperson assembles while talking to a customer, and the three
// totals shown under them. `OpenQuote` keeps it on disk between runs and in the files the
// user saves.
//
// Lines are rows 1 to lineCount() of the quote table (columns in quotecolumns.h), at most
// quote::Capacity of them; every line has a part number. Lines keep copies of the product's
// name, price and includes; only a quantity edit looks the product up again, for its
// quantity price. Every command recomputes the totals (QuotePrice) when it is done.
#pragma once

#include "vendara/store/table.h"

// Qt
#include <QList>
#include <QObject>
#include <QString>

// std
#include <array>

namespace vendara {

class Trace;

class QuoteList : public QObject
{
    Q_OBJECT

public:
    enum class AddResult { Added, Full, NoPartNumber, NoProduct };

    // `products`: the product table, for adding lines and for quantity prices.
    QuoteList(const Table &products, const Trace &trace, QObject *parent = nullptr);

    [[nodiscard]] Table &table() { return mTable; }
    [[nodiscard]] const Table &table() const { return mTable; }
    [[nodiscard]] int lineCount() const { return mTable.rows(); }

    // A new last line for product row `productRow`: its part number, name and price, quantity
    // 1 at the base price (even when a price point applies to one piece), and `includes`, the
    // includes text the window shows for the product. Refused when the quote is full or the
    // product has no part number yet.
    AddResult add(int productRow, const QString &includes);
    // Removes line `line`; the lines below move up. A line that is not there is ignored.
    void remove(int line);
    // Removes every line and empties the three totals.
    void removeAll();
    // Every line back to its list price and quantity 1.
    void resetPrices();

    // The user typed `typed` into column `column` (quote::Quantity or quote::Price) of `line`.
    // A quantity is read as a whole number (halves to even; a text that is not a number counts
    // as 0), the cell then holds that whole number, and the line is priced for it from the
    // product's price points; a price that is not a number counts as 0. The extended price
    // follows.
    void edit(int line, int column, const QString &typed);

    // Takes `rate` (0.15 for 15%) off the list price of line `line`, replacing whatever price
    // the line had; the quantity stays. The price is worked out in single precision and kept
    // in the catalogue's number form; the extended price is that price × the quantity. A line
    // whose price or list price is not a number is left alone.
    void discount(int line, float rate);
    // The same for every line.
    void discountAll(float rate);

    // Recomputes the three totals. With a list total of 0 (no lines, for one) the percentage
    // cannot be computed and keeps its text.
    void QuotePrice();

    // The seven cells of a line, in the quote table's column order.
    using LineCells = std::array<Cell, 7>;
    // The texts of the three totals boxes: order total, discount amount, discount percent.
    using TotalsTexts = std::array<QString, 3>;

    // Every line replaced by `lines` (beyond the quote's capacity they are left out), as a
    // saved quote holds them: nothing is priced again. The totals are worked out from the
    // lines, without the trace box; `shown` are the texts the boxes showed when the quote was
    // kept, which give the percentage where it cannot be worked out and the empty boxes of a
    // quote emptied with "Remove All".
    void replace(const QList<LineCells> &lines, const TotalsTexts &shown);
    [[nodiscard]] LineCells line(int line) const;
    [[nodiscard]] TotalsTexts totalsTexts() const
    {
        return {mTotalText, mDiscountText, mPercentText};
    }

    // The totals as the boxes under the quote show them ("$114.00", "$6.00", "5.00%").
    [[nodiscard]] const QString &totalText() const { return mTotalText; }
    [[nodiscard]] const QString &discountText() const { return mDiscountText; }
    [[nodiscard]] const QString &percentText() const { return mPercentText; }

signals:
    void totalsChanged();

private:
    [[nodiscard]] bool isLine(int line) const { return line >= 1 && line <= lineCount(); }
    // Sets the line's price cell to `price` and its extended price to that price × quantity.
    void setPrice(int line, const Cell &price);
    [[nodiscard]] double quantity(int line) const;
    void applyDiscount(int line, float rate);
    void computeTotals();

    const Table &mProducts;
    const Trace &mTrace;
    Table mTable;
    QString mTotalText;
    QString mDiscountText;
    QString mPercentText;
};

} // namespace vendara
