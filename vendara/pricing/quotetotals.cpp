#include "quotetotals.h"

#include "amounts.h"
#include "quotecolumns.h"

#include "vendara/store/numberforms.h"

namespace vendara {

QuoteTotals QuoteTotals::of(const Table &quote, int lines)
{
    QuoteTotals totals;
    for (int k = 1; k <= lines; ++k) {
        totals.mOrderCents += Amounts::cents(Amounts::readOrZero(quote.cell(k, quote::ExtPrice)));
        const double list = Amounts::readOrZero(quote.cell(k, quote::Quantity))
                            * Amounts::readOrZero(quote.cell(k, quote::ListPrice));
        totals.mListCents += Amounts::cents(list);
    }
    return totals;
}

std::optional<double> QuoteTotals::discountRatio() const
{
    if (mListCents == 0)
        return std::nullopt;
    return (mListCents - mOrderCents) / mListCents;
}

QString QuoteTotals::orderTotalText() const
{
    return NumberForms::currency(orderTotal());
}

QString QuoteTotals::discountAmountText() const
{
    return NumberForms::currency(discountAmount());
}

std::optional<QString> QuoteTotals::discountPercentText() const
{
    if (const auto ratio = discountRatio())
        return NumberForms::percent(*ratio);
    return std::nullopt;
}

} // namespace vendara
