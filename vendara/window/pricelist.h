// The price list: every product of the table in its current order with its part number,
// product name and price (in the "currency" form), under the page header "Vendara Price list"
// and above the footer "Page: " and the page number, centred.
#pragma once

// Qt
#include <QList>
#include <QString>
#include <QStringList>

namespace vendara {

class Table;

struct PriceListRow
{
    QString partNumber;
    QString productName;
    QString price;

    bool operator==(const PriceListRow &other) const = default;
};

class PriceList
{
public:
    [[nodiscard]] static QString pageHeader() { return QStringLiteral("Vendara Price list"); }
    // The grid printer's section form: centred "Page: " and the page number.
    [[nodiscard]] static QString pageFooter() { return QStringLiteral("\\tPage: \\p"); }
    [[nodiscard]] static QStringList columnCaptions();

    // The rows of the product table, row 1 first.
    [[nodiscard]] static QList<PriceListRow> rows(const Table &products);
};

} // namespace vendara
