// `GrdQuote`'s view of the quote: "Part Number", "Product", "Price" (currency), "Quantity"
// and "Ext. Price" (currency). Only "Price" and "Quantity" accept typing; a finished edit
// re-prices its line and the totals.
#pragma once

#include "quotelist.h"

#include "vendara/store/tablemodel.h"

namespace vendara {

class QuoteModel : public TableModel
{
    Q_OBJECT

public:
    explicit QuoteModel(QuoteList &quote, QObject *parent = nullptr);

    // Grid columns, from 0.
    static constexpr int PriceColumn = 2;
    static constexpr int QuantityColumn = 3;

    bool setData(const QModelIndex &index, const QVariant &value, int role) override;

private:
    QuoteList &mQuote;
};

} // namespace vendara
