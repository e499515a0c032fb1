// The product report: a short document about one product, in Arial throughout, to paste
// into a word processor:
//
//   Product Report                                         bold, 12 point
//   Part Number  <part number><tab><product name>          regular, 8 point
//   Price: <price in the "currency" form>, blank line
//   Includes:                                              bold, 12 point
//   <includes>, blank line                                 regular, 10 point
//   Notes:                                                 bold, 12 point
//   <notes>, blank line                                    regular, 10 point
//   Discount Schedule:                                     bold, 12 point
//   <the price points on one line>                         regular, 10 point
//
// Line breaks are single line feeds. A heading stays when its part is empty.
#pragma once

#include "vendara/pricing/richdocument.h"

namespace vendara {

class Table;

class ProductReport
{
public:
    [[nodiscard]] static QString fontFamily() { return QStringLiteral("Arial"); }

    // The report of product row `row` (from 1) of the table.
    [[nodiscard]] static RichDocument build(const Table &products, int row);
};

} // namespace vendara
