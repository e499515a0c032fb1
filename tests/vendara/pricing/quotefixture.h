// A product table and a quote over it, for the quote's tests.
#pragma once

#include "qstringprint.h"

#include "vendara/pricing/quotecolumns.h"
#include "vendara/pricing/quotelist.h"
#include "vendara/store/productcolumns.h"
#include "vendara/store/tablemodel.h"
#include "vendara/store/trace.h"

// std
#include <initializer_list>
#include <utility>

#include <gtest/gtest.h>

namespace testsupport {

class QuoteFixture : public ::testing::Test
{
protected:
    // A product with its base price (a number, as the catalogue file gives it) and price
    // points (quantity, price) as typed.
    int addProduct(const QString &partNumber, const QString &name, float price,
                   std::initializer_list<std::pair<const char *, const char *>> points = {},
                   const QString &includes = {})
    {
        const int row = mProducts.rows() + 1;
        mProducts.setBounds(row, vendara::product::ColumnCount);
        mProducts.setCell(row, vendara::product::PartNumber, partNumber);
        mProducts.setCell(row, vendara::product::ProductName, name);
        mProducts.setCell(row, vendara::product::Price, price);
        mProducts.setCell(row, vendara::product::Includes, includes);
        int k = 1;
        for (const auto &[quantity, unitPrice] : points) {
            mProducts.setCell(row, vendara::product::pricePointQuantity(k), quantity);
            mProducts.setCell(row, vendara::product::pricePointPrice(k), unitPrice);
            ++k;
        }
        return row;
    }

    // A cell of the quote as the grid shows it: prices as currency.
    QString shown(int line, int column) const
    {
        const bool money = column == vendara::quote::Price || column == vendara::quote::ExtPrice;
        return vendara::TableModel::formatCell(mQuote.table().cell(line, column),
                                               money ? vendara::CellFormat::Currency
                                                     : vendara::CellFormat::GeneralNumber);
    }
    QString price(int line) const { return shown(line, vendara::quote::Price); }
    QString quantity(int line) const { return shown(line, vendara::quote::Quantity); }
    QString extended(int line) const { return shown(line, vendara::quote::ExtPrice); }
    // "total / discount / percent" as the three boxes show them.
    QString totals() const
    {
        return mQuote.totalText() + QStringLiteral(" / ") + mQuote.discountText()
               + QStringLiteral(" / ") + mQuote.percentText();
    }

    vendara::Table mProducts{0, vendara::product::ColumnCount};
    vendara::Trace mTrace;
    vendara::QuoteList mQuote{mProducts, mTrace};
};

} // namespace testsupport
