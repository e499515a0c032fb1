#include "quotelist.h"

#include "amounts.h"
#include "pricepoints.h"
#include "quotecolumns.h"
#include "quotetexts.h"
#include "quotetotals.h"

#include "vendara/store/numberforms.h"
#include "vendara/store/productcolumns.h"
#include "vendara/store/storetexts.h"
#include "vendara/store/trace.h"

// std
#include <algorithm>
#include <cmath>
#include <limits>

namespace vendara {

static_assert(std::tuple_size_v<QuoteList::LineCells> == quote::ColumnCount);

QuoteList::QuoteList(const Table &products, const Trace &trace, QObject *parent)
    : QObject(parent)
    , mProducts(products)
    , mTrace(trace)
    , mTable(0, quote::ColumnCount)
{}

QuoteList::AddResult QuoteList::add(int productRow, const QString &includes)
{
    if (productRow < 1 || productRow > mProducts.rows())
        return AddResult::NoProduct;
    if (mProducts.cell(productRow, product::PartNumber).isEmpty())
        return AddResult::NoPartNumber;
    if (lineCount() >= quote::Capacity)
        return AddResult::Full;
    const int n = lineCount() + 1;
    const Cell &price = mProducts.cell(productRow, product::Price);
    mTable.insertRow(n);
    mTable.setCell(n, quote::PartNumber, mProducts.cell(productRow, product::PartNumber));
    mTable.setCell(n, quote::ProductName, mProducts.cell(productRow, product::ProductName));
    mTable.setCell(n, quote::Price, price);
    mTable.setCell(n, quote::Quantity, Cell(1.0f));
    mTable.setCell(n, quote::ExtPrice, price);
    mTable.setCell(n, quote::ListPrice, price);
    mTable.setCell(n, quote::Includes, Cell(includes));
    QuotePrice();
    return AddResult::Added;
}

void QuoteList::remove(int line)
{
    mTable.deleteRow(line);
    QuotePrice();
}

void QuoteList::removeAll()
{
    mTable.setBounds(0, quote::ColumnCount);
    mTotalText.clear();
    mDiscountText.clear();
    mPercentText.clear();
    emit totalsChanged();
}

void QuoteList::resetPrices()
{
    for (int k = 1; k <= lineCount(); ++k) {
        const Cell list = mTable.cell(k, quote::ListPrice);
        mTable.setCell(k, quote::Price, list);
        mTable.setCell(k, quote::Quantity, Cell(1.0f));
        mTable.setCell(k, quote::ExtPrice, list);
    }
    QuotePrice();
}

double QuoteList::quantity(int line) const
{
    return NumberForms::round(Amounts::readOrZero(mTable.cell(line, quote::Quantity)), 0);
}

void QuoteList::setPrice(int line, const Cell &price)
{
    mTable.setCell(line, quote::Price, price);
    mTable.setCell(line, quote::ExtPrice,
                   Amounts::cell(Amounts::readOrZero(price) * quantity(line)));
}

void QuoteList::edit(int line, int column, const QString &typed)
{
    if (!isLine(line) || (column != quote::Quantity && column != quote::Price))
        return;
    mTable.setCell(line, column, Cell(typed));
    const double q = quantity(line);
    double p = 0.0;
    if (column == quote::Quantity) {
        // The line is priced for the whole number, so the cell shows that number too: a
        // fraction left in the cell would count in the list total and show a discount that
        // nobody gave.
        if (NumberForms::readNumber(typed))
            mTable.setCell(line, quote::Quantity, Amounts::wholeNumber(q));
        const double limited = std::clamp(q, double(std::numeric_limits<qint32>::min()),
                                          double(std::numeric_limits<qint32>::max()));
        const QString unitPrice = PricePoints::SetPrice(
            mProducts, mTable.cell(line, quote::PartNumber).toText(), qint32(limited));
        p = NumberForms::readNumber(unitPrice).value_or(0.0);
        mTable.setCell(line, quote::Price, Amounts::cell(p));
    } else {
        p = NumberForms::readNumber(typed).value_or(0.0);
    }
    mTable.setCell(line, quote::ExtPrice, Amounts::cell(p * q));
    QuotePrice();
}

void QuoteList::applyDiscount(int line, float rate)
{
    const auto list = Amounts::read(mTable.cell(line, quote::ListPrice));
    if (!Amounts::read(mTable.cell(line, quote::Price)) || !list)
        return;
    // Worked out in single precision, as the catalogue holds its prices: $10.00 less 10% is
    // 9, where a double-precision product with the single-precision factor 0.9 would leave
    // 8.99999976158142 in the cell. A list price beyond single precision is no price here.
    const float remaining = 1.0f - rate;
    const float price = float(*list) * remaining;
    if (!std::isfinite(price))
        return;
    setPrice(line, Amounts::single(price));
}

void QuoteList::discount(int line, float rate)
{
    if (isLine(line))
        applyDiscount(line, rate);
    QuotePrice();
}

void QuoteList::discountAll(float rate)
{
    for (int k = 1; k <= lineCount(); ++k)
        applyDiscount(k, rate);
    QuotePrice();
}

void QuoteList::QuotePrice()
{
    mTrace.show(texts::inQuotePrice(), texts::programTitle());
    computeTotals();
    emit totalsChanged();
}

void QuoteList::computeTotals()
{
    const QuoteTotals totals = QuoteTotals::of(mTable, lineCount());
    mTotalText = totals.orderTotalText();
    mDiscountText = totals.discountAmountText();
    if (const auto percent = totals.discountPercentText())
        mPercentText = *percent;
}

void QuoteList::replace(const QList<LineCells> &lines, const TotalsTexts &shown)
{
    const int count = std::min(int(lines.size()), quote::Capacity);
    mTable.beginReset();
    mTable.setBounds(0, quote::ColumnCount);
    mTable.setBounds(count, quote::ColumnCount);
    for (int k = 1; k <= count; ++k) {
        for (int c = 1; c <= quote::ColumnCount; ++c)
            mTable.setCell(k, c, lines[k - 1][std::size_t(c - 1)]);
    }
    mTable.endReset();
    mPercentText = shown[2];
    if (count == 0 && shown[0].isEmpty() && shown[1].isEmpty()) {
        mTotalText.clear();
        mDiscountText.clear();
    } else {
        computeTotals();
    }
    emit totalsChanged();
}

QuoteList::LineCells QuoteList::line(int line) const
{
    LineCells cells;
    for (int c = 1; c <= quote::ColumnCount; ++c)
        cells[std::size_t(c - 1)] = mTable.cell(line, c);
    return cells;
}

} // namespace vendara
