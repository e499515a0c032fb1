// The quote: adding lines, quantity and price edits, removing, resetting, discounts and the
// totals, with the figures a salesperson would check by hand.
#include "quotefixture.h"

#include "tests/support/scriptedprompter.h"
#include "vendara/pricing/discountrate.h"
#include "vendara/pricing/quotemodel.h"
#include "vendara/pricing/quotetotals.h"

// Qt
#include <QAbstractItemModelTester>
#include <QSignalSpy>

namespace {

using namespace vendara;
using testsupport::QuoteFixture;

class QuoteList_ : public QuoteFixture
{
};

TEST_F(QuoteList_, AddsCopiesOfTheProductAtItsBasePrice)
{
    const int row = addProduct("A-1", "Anchor bolt", 10.0f, {{"1", "9.00"}});
    QSignalSpy totalsChanged(&mQuote, &QuoteList::totalsChanged);
    EXPECT_EQ(mQuote.add(row, QStringLiteral("Washers\r\nNuts")), QuoteList::AddResult::Added);
    EXPECT_EQ(mQuote.add(row, QStringLiteral("Washers\r\nNuts")), QuoteList::AddResult::Added);
    ASSERT_EQ(mQuote.lineCount(), 2);
    for (int line = 1; line <= 2; ++line) {
        const Table &t = mQuote.table();
        EXPECT_EQ(t.cell(line, quote::PartNumber).toText(), QStringLiteral("A-1"));
        EXPECT_EQ(t.cell(line, quote::ProductName).toText(), QStringLiteral("Anchor bolt"));
        // The base price even though a price point applies to one piece.
        EXPECT_EQ(price(line), QStringLiteral("$10.00"));
        EXPECT_EQ(quantity(line), QStringLiteral("1"));
        EXPECT_EQ(extended(line), QStringLiteral("$10.00"));
        EXPECT_EQ(shown(line, quote::ListPrice), QStringLiteral("10"));
        EXPECT_EQ(t.cell(line, quote::Includes).toText(), QStringLiteral("Washers\r\nNuts"));
    }
    EXPECT_EQ(totalsChanged.count(), 2);
    EXPECT_EQ(totals(), QStringLiteral("$20.00 / $0.00 / 0.00%"));

    // Later changes to the catalogue leave the lines alone.
    mProducts.setCell(row, product::ProductName, QStringLiteral("Renamed"));
    mProducts.setCell(row, product::Price, 99.0f);
    EXPECT_EQ(mQuote.table().cell(1, quote::ProductName).toText(), QStringLiteral("Anchor bolt"));
    EXPECT_EQ(price(1), QStringLiteral("$10.00"));
}

TEST_F(QuoteList_, RefusesTheLineAfterTheLastAndProductsWithoutPartNumber)
{
    const int row = addProduct("A-1", "Anchor bolt", 1.0f);
    for (int i = 0; i < quote::Capacity; ++i)
        ASSERT_EQ(mQuote.add(row, {}), QuoteList::AddResult::Added);
    EXPECT_EQ(mQuote.lineCount(), 250);
    EXPECT_EQ(mQuote.totalText(), QStringLiteral("$250.00"));
    EXPECT_EQ(mQuote.add(row, {}), QuoteList::AddResult::Full);
    EXPECT_EQ(mQuote.lineCount(), 250);

    mQuote.removeAll();
    const int blank = addProduct("", "Being typed", 5.0f);
    EXPECT_EQ(mQuote.add(blank, {}), QuoteList::AddResult::NoPartNumber);
    EXPECT_EQ(mQuote.add(0, {}), QuoteList::AddResult::NoProduct);
    EXPECT_EQ(mQuote.add(99, {}), QuoteList::AddResult::NoProduct);
    EXPECT_EQ(mQuote.lineCount(), 0);
}

TEST_F(QuoteList_, PricesAQuantityFromThePricePoints)
{
    addProduct("A-1", "Anchor bolt", 10.0f, {{"10", "9.50"}});
    mQuote.add(1, {});
    mQuote.edit(1, quote::Quantity, QStringLiteral("12"));
    EXPECT_EQ(price(1), QStringLiteral("$9.50"));
    EXPECT_EQ(quantity(1), QStringLiteral("12"));
    EXPECT_EQ(extended(1), QStringLiteral("$114.00"));
    EXPECT_EQ(totals(), QStringLiteral("$114.00 / $6.00 / 5.00%"));

    mQuote.edit(1, quote::Price, QStringLiteral("9.00"));
    EXPECT_EQ(price(1), QStringLiteral("$9.00"));
    EXPECT_EQ(extended(1), QStringLiteral("$108.00"));
    EXPECT_EQ(totals(), QStringLiteral("$108.00 / $12.00 / 10.00%"));

    mQuote.resetPrices();
    EXPECT_EQ(price(1), QStringLiteral("$10.00"));
    EXPECT_EQ(quantity(1), QStringLiteral("1"));
    EXPECT_EQ(extended(1), QStringLiteral("$10.00"));
    EXPECT_EQ(totals(), QStringLiteral("$10.00 / $0.00 / 0.00%"));

    // A quantity below the price point gets the base price again; digit grouping is read.
    mQuote.edit(1, quote::Quantity, QStringLiteral("9"));
    EXPECT_EQ(price(1), QStringLiteral("$10.00"));
    mQuote.edit(1, quote::Quantity, QStringLiteral("1,000"));
    EXPECT_EQ(quantity(1), QStringLiteral("1000"));
    EXPECT_EQ(extended(1), QStringLiteral("$9,500.00"));
    // A price typed as currency counts too.
    mQuote.edit(1, quote::Price, QStringLiteral("$8.25"));
    EXPECT_EQ(extended(1), QStringLiteral("$8,250.00"));
}

TEST_F(QuoteList_, PricesAFractionForTheWholeNumberItShows)
{
    addProduct("A-1", "Anchor bolt", 10.0f);
    mQuote.add(1, {});
    mQuote.edit(1, quote::Quantity, QStringLiteral("2.5"));
    EXPECT_EQ(quantity(1), QStringLiteral("2"));
    EXPECT_EQ(extended(1), QStringLiteral("$20.00"));
    // The list total counts the same two pieces: no discount appears.
    EXPECT_EQ(totals(), QStringLiteral("$20.00 / $0.00 / 0.00%"));
    mQuote.edit(1, quote::Quantity, QStringLiteral("3.5"));
    EXPECT_EQ(quantity(1), QStringLiteral("4"));
    EXPECT_EQ(extended(1), QStringLiteral("$40.00"));
    EXPECT_EQ(totals(), QStringLiteral("$40.00 / $0.00 / 0.00%"));
}

TEST_F(QuoteList_, CountsWhatIsNotANumberAsZero)
{
    addProduct("A-1", "Anchor bolt", 10.0f);
    mQuote.add(1, {});
    mQuote.edit(1, quote::Quantity, QStringLiteral("a dozen"));
    EXPECT_EQ(quantity(1), QStringLiteral("a dozen"));
    EXPECT_EQ(price(1), QStringLiteral("$10.00"));
    EXPECT_EQ(extended(1), QStringLiteral("$0.00"));
    // With no list total the percentage keeps its text.
    EXPECT_EQ(totals(), QStringLiteral("$0.00 / $0.00 / 0.00%"));

    mQuote.edit(1, quote::Quantity, QStringLiteral("3"));
    mQuote.edit(1, quote::Price, QStringLiteral("call"));
    EXPECT_EQ(price(1), QStringLiteral("call"));
    EXPECT_EQ(extended(1), QStringLiteral("$0.00"));
    EXPECT_EQ(totals(), QStringLiteral("$0.00 / $30.00 / 100.00%"));

    // A product no longer in the catalogue is priced at 0.
    mProducts.setCell(1, product::PartNumber, QStringLiteral("A-2"));
    mQuote.edit(1, quote::Quantity, QStringLiteral("2"));
    EXPECT_EQ(price(1), QStringLiteral("$0.00"));
    EXPECT_EQ(extended(1), QStringLiteral("$0.00"));

    // Edits of other columns and of lines that are not there change nothing.
    mQuote.edit(1, quote::ProductName, QStringLiteral("x"));
    mQuote.edit(2, quote::Quantity, QStringLiteral("5"));
    EXPECT_EQ(mQuote.table().cell(1, quote::ProductName).toText(), QStringLiteral("Anchor bolt"));
    EXPECT_EQ(mQuote.lineCount(), 1);
}

TEST_F(QuoteList_, RemovesLinesAndKeepsThePercentageWhenNothingIsLeft)
{
    addProduct("A-1", "Anchor bolt", 10.0f, {{"10", "9.50"}});
    addProduct("B-2", "Bracket", 4.0f);
    mQuote.add(1, {});
    mQuote.add(2, {});
    mQuote.edit(1, quote::Quantity, QStringLiteral("10"));
    EXPECT_EQ(totals(), QStringLiteral("$99.00 / $5.00 / 4.81%"));

    mQuote.remove(1);
    ASSERT_EQ(mQuote.lineCount(), 1);
    EXPECT_EQ(mQuote.table().cell(1, quote::PartNumber).toText(), QStringLiteral("B-2"));
    EXPECT_EQ(totals(), QStringLiteral("$4.00 / $0.00 / 0.00%"));
    mQuote.remove(5);
    EXPECT_EQ(mQuote.lineCount(), 1);

    mQuote.edit(1, quote::Price, QStringLiteral("3"));
    mQuote.remove(1);
    EXPECT_EQ(mQuote.lineCount(), 0);
    EXPECT_EQ(totals(), QStringLiteral("$0.00 / $0.00 / 25.00%"));

    mQuote.removeAll();
    EXPECT_EQ(totals(), QStringLiteral(" /  / "));
    mQuote.removeAll();
    EXPECT_EQ(mQuote.lineCount(), 0);
    EXPECT_EQ(totals(), QStringLiteral(" /  / "));
    EXPECT_EQ(mQuote.add(2, {}), QuoteList::AddResult::Added);
}

TEST_F(QuoteList_, TakesEveryDiscountOffTheListPrice)
{
    const QStringList entries = DiscountRate::entries();
    EXPECT_EQ(entries.join(QLatin1Char(' ')),
              QStringLiteral("1% 2% 3% 4% 5% 6% 7% 8% 9% 10% 15% 20% 25%"));
    const QStringList expected = {"$9.90", "$9.80", "$9.70", "$9.60", "$9.50", "$9.40", "$9.30",
                                  "$9.20", "$9.10", "$9.00", "$8.50", "$8.00", "$7.50"};
    addProduct("A-1", "Anchor bolt", 10.0f, {{"10", "9.50"}});
    mQuote.add(1, {});
    mQuote.edit(1, quote::Quantity, QStringLiteral("12"));
    for (int i = 0; i < entries.size(); ++i) {
        mQuote.discount(1, DiscountRate::rate(entries.at(i)));
        EXPECT_EQ(price(1), expected.at(i)) << entries.at(i).toStdString();
        EXPECT_EQ(quantity(1), QStringLiteral("12"));
    }
    mQuote.discount(1, DiscountRate::rate(QStringLiteral("10%")));
    EXPECT_EQ(extended(1), QStringLiteral("$108.00"));
    EXPECT_EQ(totals(), QStringLiteral("$108.00 / $12.00 / 10.00%"));

    // "List Price" and any other text bring the line back to its list price.
    EXPECT_EQ(DiscountRate::rate(QStringLiteral("List Price")), 0.0f);
    EXPECT_EQ(DiscountRate::rate(QStringLiteral("30%")), 0.0f);
    mQuote.discount(1, DiscountRate::rate(QStringLiteral("List Price")));
    EXPECT_EQ(price(1), QStringLiteral("$10.00"));
    EXPECT_EQ(extended(1), QStringLiteral("$120.00"));

    // No current line: nothing changes, the totals are computed again.
    mQuote.discount(0, 0.25f);
    EXPECT_EQ(price(1), QStringLiteral("$10.00"));
}

TEST_F(QuoteList_, KeepsADiscountedPriceAsTheAmountItShows)
{
    // The grid's editor shows a cell's own text: a discounted price must read "9", not the
    // 8.99999976 a double-precision product with the factor 0.9 leaves.
    addProduct("A-1", "Anchor bolt", 10.0f, {{"10", "9.50"}});
    QuoteModel model(mQuote);
    mQuote.add(1, {});
    model.setData(model.index(0, QuoteModel::QuantityColumn), QStringLiteral("12"), Qt::EditRole);
    const QModelIndex priceCell = model.index(0, QuoteModel::PriceColumn);
    auto editorText = [&] {
        return priceCell.data(Qt::EditRole).toString();
    };

    mQuote.discount(1, DiscountRate::rate(QStringLiteral("10%")));
    EXPECT_EQ(editorText(), QStringLiteral("9"));
    EXPECT_EQ(mQuote.table().cell(1, quote::ExtPrice).toText(), QStringLiteral("108"));
    EXPECT_EQ(totals(), QStringLiteral("$108.00 / $12.00 / 10.00%"));

    mQuote.discount(1, DiscountRate::rate(QStringLiteral("1%")));
    EXPECT_EQ(editorText(), QStringLiteral("9.9"));
    EXPECT_EQ(mQuote.table().cell(1, quote::ExtPrice).toText(), QStringLiteral("118.8"));
    EXPECT_EQ(totals(), QStringLiteral("$118.80 / $1.20 / 1.00%"));
    // Enter in the editor without typing changes nothing.
    EXPECT_TRUE(model.setData(priceCell, editorText(), Qt::EditRole));
    EXPECT_EQ(editorText(), QStringLiteral("9.9"));
    EXPECT_EQ(mQuote.table().cell(1, quote::ExtPrice).toText(), QStringLiteral("118.8"));
    EXPECT_EQ(totals(), QStringLiteral("$118.80 / $1.20 / 1.00%"));

    // A list price in the "currency" form the product editor stores, on a whole quote.
    const int row = addProduct("B-2", "Bracket", 0.0f);
    mProducts.setCell(row, product::Price, QStringLiteral("$1,234.56"));
    mQuote.add(row, {});
    model.setData(model.index(1, QuoteModel::QuantityColumn), QStringLiteral("3"), Qt::EditRole);
    mQuote.discountAll(DiscountRate::rate(QStringLiteral("25%")));
    EXPECT_EQ(model.index(1, QuoteModel::PriceColumn).data(Qt::EditRole).toString(),
              QStringLiteral("925.92"));
    EXPECT_EQ(mQuote.table().cell(2, quote::ExtPrice).toText(), QStringLiteral("2777.76"));
    EXPECT_EQ(editorText(), QStringLiteral("7.5"));

    // The extended price is the price the line shows times its quantity: a price of half a
    // cent more goes to the even cent.
    const int small = addProduct("C-3", "Clip", 0.15f);
    mQuote.add(small, {});
    mQuote.discount(3, DiscountRate::rate(QStringLiteral("10%")));
    EXPECT_EQ(model.index(2, QuoteModel::PriceColumn).data(Qt::EditRole).toString(),
              QStringLiteral("0.135"));
    EXPECT_EQ(model.index(2, 4).data().toString(), QStringLiteral("$0.14"));
}

TEST_F(QuoteList_, DiscountAllSkipsLinesWhosePriceIsNotANumber)
{
    addProduct("A-1", "Anchor bolt", 8.0f);
    addProduct("B-2", "Bracket", 20.0f);
    addProduct("C-3", "Clamp", 5.0f);
    mQuote.add(1, {});
    mQuote.add(2, {});
    mQuote.add(3, {});
    mQuote.edit(2, quote::Quantity, QStringLiteral("3"));
    mQuote.edit(3, quote::Price, QStringLiteral("on request"));
    mQuote.discountAll(DiscountRate::rate(QStringLiteral("25%")));
    EXPECT_EQ(price(1), QStringLiteral("$6.00"));
    EXPECT_EQ(price(2), QStringLiteral("$15.00"));
    EXPECT_EQ(price(3), QStringLiteral("on request"));
    EXPECT_EQ(quantity(1), QStringLiteral("1"));
    EXPECT_EQ(quantity(2), QStringLiteral("3"));
    EXPECT_EQ(extended(2), QStringLiteral("$45.00"));
    EXPECT_EQ(totals(), QStringLiteral("$51.00 / $22.00 / 30.14%"));

    QuoteList empty(mProducts, mTrace);
    empty.discountAll(0.25f);
    EXPECT_EQ(empty.lineCount(), 0);
}

TEST_F(QuoteList_, AddsLargeQuotesToTheCent)
{
    // In single precision these lines would show a discount of cents that nobody gave.
    addProduct("M-1", "Machine", 99999.99f);
    addProduct("P-1", "Part", 0.07f);
    for (int i = 0; i < 3; ++i)
        mQuote.add(1, {});
    mQuote.add(2, {});
    mQuote.edit(1, quote::Quantity, QStringLiteral("7"));
    mQuote.edit(4, quote::Quantity, QStringLiteral("13"));
    EXPECT_EQ(extended(1), QStringLiteral("$699,999.93"));
    EXPECT_EQ(totals(), QStringLiteral("$900,000.82 / $0.00 / 0.00%"));

    const QuoteTotals direct = QuoteTotals::of(mQuote.table(), mQuote.lineCount());
    EXPECT_DOUBLE_EQ(direct.orderTotal(), 900000.82);
    EXPECT_DOUBLE_EQ(direct.listTotal(), 900000.82);
}

TEST_F(QuoteList_, RoundsEachExtendedPriceHalfToEven)
{
    addProduct("A-1", "Anchor bolt", 0.125f);
    addProduct("B-2", "Bracket", 0.135f);
    mQuote.add(1, {});
    mQuote.add(2, {});
    // 0.125 rounds to 0.12 and 0.135 to 0.14: the halves go to the even cent.
    EXPECT_EQ(mQuote.totalText(), QStringLiteral("$0.26"));
}

TEST_F(QuoteList_, ShowsTheTraceBoxEachTimeTheTotalsAreComputed)
{
    testsupport::ScriptedPrompter prompter;
    Trace trace(true, &prompter);
    QuoteList quote(mProducts, trace);
    addProduct("A-1", "Anchor bolt", 10.0f);
    quote.add(1, {});
    quote.edit(1, quote::Quantity, QStringLiteral("2"));
    quote.removeAll();
    ASSERT_EQ(prompter.prompts().size(), 2);
    EXPECT_EQ(prompter.prompts().at(0).text, QStringLiteral("In QuotePrice "));
    EXPECT_EQ(prompter.prompts().at(0).caption, QStringLiteral("Vendara LITE"));
    EXPECT_EQ(prompter.prompts().at(0).buttons, prompt::Buttons::Ok);
}

TEST_F(QuoteList_, ModelShowsFiveColumnsAndTakesTypingInPriceAndQuantityOnly)
{
    addProduct("A-1", "Anchor bolt", 10.0f, {{"10", "9.50"}});
    QuoteModel model(mQuote);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    mQuote.add(1, {});
    mQuote.add(1, {});
    ASSERT_EQ(model.rowCount(), 2);
    QStringList captions;
    for (int c = 0; c < model.columnCount(); ++c)
        captions << model.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
    EXPECT_EQ(captions.join(QLatin1Char('|')),
              QStringLiteral("Part Number|Product|Price|Quantity|Ext. Price"));
    for (int c = 0; c < model.columnCount(); ++c) {
        const bool editable = model.flags(model.index(0, c)) & Qt::ItemIsEditable;
        EXPECT_EQ(editable, c == QuoteModel::PriceColumn || c == QuoteModel::QuantityColumn) << c;
    }

    EXPECT_FALSE(model.setData(model.index(0, 0), QStringLiteral("X"), Qt::EditRole));
    EXPECT_FALSE(model.setData(model.index(0, 4), QStringLiteral("1"), Qt::EditRole));
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    EXPECT_TRUE(model.setData(model.index(1, QuoteModel::QuantityColumn), QStringLiteral("12"),
                              Qt::EditRole));
    EXPECT_GE(changed.count(), 3);
    EXPECT_EQ(model.index(1, 2).data().toString(), QStringLiteral("$9.50"));
    EXPECT_EQ(model.index(1, 4).data().toString(), QStringLiteral("$114.00"));
    EXPECT_EQ(model.index(1, 3).data(Qt::EditRole).toString(), QStringLiteral("12"));
    EXPECT_EQ(mQuote.totalText(), QStringLiteral("$124.00"));

    mQuote.remove(1);
    mQuote.removeAll();
    EXPECT_EQ(model.rowCount(), 0);
}

} // namespace
