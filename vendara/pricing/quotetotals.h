// The three totals under the quote: the order total (the extended prices), the discount
// amount (what the lines would cost at list price, less the order total) and the discount
// percent. Every extended price and every line's list amount is rounded to the cent, halves
// to even, before it is added; the sums are kept in whole cents, so a large quote shows no
// discount that nobody gave.
#pragma once

#include "vendara/store/table.h"

// Qt
#include <QString>

// std
#include <optional>

namespace vendara {

class QuoteTotals
{
public:
    // The totals of lines 1 to `lines` of `quote`. A cell that does not hold a number counts
    // as 0.
    [[nodiscard]] static QuoteTotals of(const Table &quote, int lines);

    [[nodiscard]] double orderTotal() const { return mOrderCents / 100.0; }
    [[nodiscard]] double listTotal() const { return mListCents / 100.0; }
    [[nodiscard]] double discountAmount() const { return (mListCents - mOrderCents) / 100.0; }
    // The discount as a ratio of the list total; nothing when the list total is 0.
    [[nodiscard]] std::optional<double> discountRatio() const;

    // "currency" of the order total and of the discount amount, "percent" of the ratio.
    [[nodiscard]] QString orderTotalText() const;
    [[nodiscard]] QString discountAmountText() const;
    [[nodiscard]] std::optional<QString> discountPercentText() const;

private:
    double mOrderCents = 0;
    double mListCents = 0;
};

} // namespace vendara
