#include "pricepoints.h"

#include "vendara/store/numberforms.h"
#include "vendara/store/productcolumns.h"
#include "vendara/store/productorder.h"

// std
#include <cmath>
#include <limits>

namespace vendara {

namespace {

const QString kPriceSeparator = QStringLiteral(" - $");
const QString kPointSeparator = QStringLiteral(";   ");

} // namespace

bool PricePoints::isSet(const Table &products, int row, int k)
{
    return !products.cell(row, product::pricePointQuantity(k)).isEmpty();
}

std::optional<qint16> PricePoints::quantity(const Cell &cell)
{
    std::optional<double> value;
    if (cell.isNumber())
        value = double(cell.number());
    else
        value = NumberForms::readNumber(cell.text());
    if (!value || !std::isfinite(*value))
        return std::nullopt;
    const double whole = NumberForms::round(*value, 0);
    if (whole < std::numeric_limits<qint16>::min() || whole > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return static_cast<qint16>(whole);
}

QString PricePoints::SetPrice(const Table &products, const QString &Number, qint32 qty)
{
    // A row without a part number is not a product: an empty part number finds nothing,
    // not the blank row of a product being added.
    if (Number.isEmpty())
        return {};
    const int row = products.find(1, product::PartNumber, Cell(Number), ProductOrder::compare);
    if (row == 0)
        return {};
    const QString basePrice = products.cell(row, product::Price).toText();
    QString price = basePrice;
    for (int k = 1; k <= product::PricePointCount; ++k) {
        if (!isSet(products, row, k))
            continue;
        const auto threshold = quantity(products.cell(row, product::pricePointQuantity(k)));
        if (!threshold)
            return basePrice;
        if (qty >= *threshold)
            price = products.cell(row, product::pricePointPrice(k)).toText();
    }
    return price;
}

QString PricePoints::creatdiscs(const Table &products, int X)
{
    if (X < 1 || X > products.rows() || products.columns() < product::ColumnCount)
        return {};
    QString schedule;
    for (int k = 1; k <= product::PricePointCount; ++k) {
        if (!isSet(products, X, k))
            continue;
        if (k > 1)
            schedule += kPointSeparator;
        schedule += products.cell(X, product::pricePointQuantity(k)).toText() + kPriceSeparator
                    + products.cell(X, product::pricePointPrice(k)).toText();
    }
    return schedule;
}

} // namespace vendara
