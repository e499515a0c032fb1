#include "productreport.h"

#include "vendara/pricing/pricepoints.h"
#include "vendara/store/productcolumns.h"
#include "vendara/store/table.h"
#include "vendara/store/tablemodel.h"

namespace vendara {

namespace {

constexpr TextStyle kHeading{true, 12};
constexpr TextStyle kPartLine{false, 8};
constexpr TextStyle kBody{false, 10};

} // namespace

RichDocument ProductReport::build(const Table &products, int row)
{
    const auto text = [&](int column) {
        return products.cell(row, column).toText();
    };
    RichDocument report(fontFamily());
    report.append(QStringLiteral("Product Report\n"), kHeading);
    report.append(
        QStringLiteral("Part Number  ") + text(product::PartNumber) + QLatin1Char('\t')
            + text(product::ProductName) + QStringLiteral("\nPrice: ")
            + TableModel::formatCell(products.cell(row, product::Price), CellFormat::Currency)
            + QStringLiteral("\n\n"),
        kPartLine);
    report.append(QStringLiteral("Includes:\n"), kHeading);
    report.append(text(product::Includes) + QStringLiteral("\n\n"), kBody);
    report.append(QStringLiteral("Notes:\n"), kHeading);
    report.append(text(product::Notes) + QStringLiteral("\n\n"), kBody);
    report.append(QStringLiteral("Discount Schedule:\n"), kHeading);
    report.append(PricePoints::creatdiscs(products, row), kBody);
    return report;
}

} // namespace vendara
