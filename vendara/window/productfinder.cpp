#include "productfinder.h"

#include "vendara/store/productcolumns.h"

// std
#include <algorithm>

namespace vendara {

bool ProductFinder::matches(const Table &products, int row, const QString &text)
{
    return products.cell(row, product::PartNumber).toText().contains(text, Qt::CaseInsensitive)
           || products.cell(row, product::ProductName).toText().contains(text, Qt::CaseInsensitive);
}

int ProductFinder::search(const Table &products, int from, const QString &text)
{
    for (int row = std::max(from, 1); row <= products.rows(); ++row) {
        if (matches(products, row, text))
            return row;
    }
    return 0;
}

} // namespace vendara
