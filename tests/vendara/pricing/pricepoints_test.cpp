#include "localeguard.h"

#include "vendara/pricing/pricepoints.h"
#include "vendara/store/productcolumns.h"

#include <gtest/gtest.h>

namespace {

using namespace vendara;

// A product table with one row per call to add().
class PricePointsTest : public ::testing::Test
{
protected:
    // `points` holds quantity and price texts, price point 1 first.
    int add(const QString &partNumber, const Cell &price, const QList<QString> &points = {})
    {
        const int row = mTable.rows() + 1;
        mTable.setBounds(row, product::ColumnCount);
        mTable.setCell(row, product::PartNumber, partNumber);
        mTable.setCell(row, product::Price, price);
        for (int i = 0; i + 1 < points.size(); i += 2) {
            const int k = i / 2 + 1;
            mTable.setCell(row, product::pricePointQuantity(k), points.at(i));
            mTable.setCell(row, product::pricePointPrice(k), points.at(i + 1));
        }
        return row;
    }
    QString price(const QString &partNumber, qint32 qty) const
    {
        return PricePoints::SetPrice(mTable, partNumber, qty);
    }

    Table mTable{0, product::ColumnCount};
};

TEST_F(PricePointsTest, ReachedPricePointReplacesTheBasePrice)
{
    add(QStringLiteral("A-100"), Cell(10.0f), {"10", "9.50", "50", "8.75"});
    // A loaded price is a number and comes back in its shortest form.
    EXPECT_EQ(price(QStringLiteral("A-100"), 1), QStringLiteral("10"));
    EXPECT_EQ(price(QStringLiteral("A-100"), 9), QStringLiteral("10"));
    EXPECT_EQ(price(QStringLiteral("A-100"), 10), QStringLiteral("9.50"));
    EXPECT_EQ(price(QStringLiteral("A-100"), 49), QStringLiteral("9.50"));
    EXPECT_EQ(price(QStringLiteral("A-100"), 50), QStringLiteral("8.75"));
    EXPECT_EQ(price(QStringLiteral("A-100"), 100000), QStringLiteral("8.75"));
    // An edited price is the price box's text, as it stands.
    add(QStringLiteral("B-200"), Cell(QStringLiteral("$1,010.00")), {"10", "$9.50"});
    EXPECT_EQ(price(QStringLiteral("B-200"), 0), QStringLiteral("$1,010.00"));
    EXPECT_EQ(price(QStringLiteral("B-200"), 10), QStringLiteral("$9.50"));
}

TEST_F(PricePointsTest, LastReachedPricePointWinsWhenOutOfOrder)
{
    add(QStringLiteral("A-100"), Cell(QStringLiteral("10.00")), {"50", "8.75", "10", "9.50"});
    EXPECT_EQ(price(QStringLiteral("A-100"), 60), QStringLiteral("9.50"));
    EXPECT_EQ(price(QStringLiteral("A-100"), 20), QStringLiteral("9.50"));
    EXPECT_EQ(price(QStringLiteral("A-100"), 5), QStringLiteral("10.00"));
}

TEST_F(PricePointsTest, QuantityThatIsNotA16BitNumberGivesTheBasePrice)
{
    add(QStringLiteral("BIG"), Cell(QStringLiteral("10.00")), {"10", "9.50", "100000", "8.00"});
    add(QStringLiteral("WORD"), Cell(QStringLiteral("10.00")), {"10", "9.50", "ten", "8.00"});
    add(QStringLiteral("EDGE"), Cell(QStringLiteral("10.00")), {"32767", "9.00"});
    add(QStringLiteral("OVER"), Cell(QStringLiteral("10.00")), {"32768", "9.00"});
    for (const qint32 qty : {1, 10, 99999, 100000}) {
        EXPECT_EQ(price(QStringLiteral("BIG"), qty), QStringLiteral("10.00")) << qty;
        EXPECT_EQ(price(QStringLiteral("WORD"), qty), QStringLiteral("10.00")) << qty;
        EXPECT_EQ(price(QStringLiteral("OVER"), qty), QStringLiteral("10.00")) << qty;
    }
    EXPECT_EQ(price(QStringLiteral("EDGE"), 32766), QStringLiteral("10.00"));
    EXPECT_EQ(price(QStringLiteral("EDGE"), 32767), QStringLiteral("9.00"));
}

TEST_F(PricePointsTest, QuantitiesReadWithGroupingAndRoundHalfToEven)
{
    add(QStringLiteral("GROUPED"), Cell(QStringLiteral("10.00")), {"1,000", "7.00"});
    add(QStringLiteral("HALF"), Cell(QStringLiteral("10.00")), {"9.5", "9.00", "12.5", "8.00"});
    EXPECT_EQ(price(QStringLiteral("GROUPED"), 999), QStringLiteral("10.00"));
    EXPECT_EQ(price(QStringLiteral("GROUPED"), 1000), QStringLiteral("7.00"));
    // 9.5 counts as 10, 12.5 as 12.
    EXPECT_EQ(price(QStringLiteral("HALF"), 9), QStringLiteral("10.00"));
    EXPECT_EQ(price(QStringLiteral("HALF"), 10), QStringLiteral("9.00"));
    EXPECT_EQ(price(QStringLiteral("HALF"), 12), QStringLiteral("8.00"));

    const testsupport::LocaleGuard german(QLocale(QLocale::German, QLocale::Germany));
    add(QStringLiteral("DE"), Cell(QStringLiteral("10,00")), {"1.000", "7,00"});
    EXPECT_EQ(price(QStringLiteral("DE"), 999), QStringLiteral("10,00"));
    EXPECT_EQ(price(QStringLiteral("DE"), 1000), QStringLiteral("7,00"));
}

TEST_F(PricePointsTest, ReachedPricePointWithoutPriceGivesEmptyText)
{
    add(QStringLiteral("A-100"), Cell(QStringLiteral("10.00")), {"10", "9.50", "20", ""});
    EXPECT_EQ(price(QStringLiteral("A-100"), 15), QStringLiteral("9.50"));
    EXPECT_EQ(price(QStringLiteral("A-100"), 20), QString());
    // A price without a quantity is not a price point.
    add(QStringLiteral("B-200"), Cell(QStringLiteral("10.00")), {"", "1.00"});
    EXPECT_EQ(price(QStringLiteral("B-200"), 30000), QStringLiteral("10.00"));
}

TEST_F(PricePointsTest, FindsTheFirstProductWithThePartNumberIgnoringCase)
{
    add(QString(), Cell(QStringLiteral("1.00"))); // a product being added: no part number yet
    add(QStringLiteral("Abc-1"), Cell(QStringLiteral("2.00")));
    add(QStringLiteral("ABC-1"), Cell(QStringLiteral("3.00")));
    EXPECT_EQ(price(QStringLiteral("abc-1"), 1), QStringLiteral("2.00"));
    EXPECT_EQ(price(QStringLiteral("XYZ"), 1), QString());
    EXPECT_EQ(price(QString(), 1), QString());
}

TEST_F(PricePointsTest, DiscountScheduleText)
{
    const int two = add(QStringLiteral("A"), Cell(10.0f), {"10", "9.50", "50", "8.75"});
    const int none = add(QStringLiteral("B"), Cell(10.0f));
    const int third = add(QStringLiteral("C"), Cell(10.0f), {"", "", "", "", "25", "7"});
    const int asStored = add(QStringLiteral("D"), Cell(10.0f), {"1,000", "", "", "", "5", "$4.00"});
    EXPECT_EQ(PricePoints::creatdiscs(mTable, two), QStringLiteral("10 - $9.50;   50 - $8.75"));
    EXPECT_EQ(PricePoints::creatdiscs(mTable, none), QString());
    EXPECT_EQ(PricePoints::creatdiscs(mTable, third), QStringLiteral(";   25 - $7"));
    // Stored texts are used unformatted, and an empty price stays empty.
    EXPECT_EQ(PricePoints::creatdiscs(mTable, asStored), QStringLiteral("1,000 - $;   5 - $$4.00"));
    EXPECT_EQ(PricePoints::creatdiscs(mTable, 0), QString());
    EXPECT_EQ(PricePoints::creatdiscs(mTable, mTable.rows() + 1), QString());
    EXPECT_EQ(PricePoints::creatdiscs(Table(3, 2), 1), QString());
}

} // namespace
