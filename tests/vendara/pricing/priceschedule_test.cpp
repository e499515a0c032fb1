#include "catalogue.h"
#include "localeguard.h"

#include "tests/support/scriptedprompter.h"
#include "vendara/pricing/pricebox.h"
#include "vendara/pricing/pricescheduletable.h"
#include "vendara/store/productcolumns.h"
#include "vendara/store/products.h"

// Qt
#include <QAbstractItemModelTester>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using namespace vendara;
using testsupport::readBytes;
using testsupport::record;
using testsupport::writeBytes;

class PriceScheduleTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        mPath = QDir(mDir.path()).filePath(QStringLiteral("vadata.dat"));
        writeBytes(mPath, record({"A-100", "Widget", "10", "", "", "10", "9.50", "50", "8.75"})
                              + record({"B-200", "Gadget", "5", "", "", "100", "4.00"}));
        mProducts.load(mPath);
    }
    QString product(int row, int column) const { return mTable.cell(row, column).toText(); }
    QString schedule(int row, int column) const
    {
        return mSchedule.table().cell(row, column).toText();
    }
    QString shown(int row, int column)
    {
        return mSchedule.model()
            .data(mSchedule.model().index(row - 1, column - 1), Qt::DisplayRole)
            .toString();
    }
    // Types into the schedule grid as the user would.
    bool type(int row, int column, const QString &text)
    {
        return mSchedule.model().setData(mSchedule.model().index(row - 1, column - 1), text,
                                         Qt::EditRole);
    }

    QTemporaryDir mDir;
    QString mPath;
    Table mTable;
    Products mProducts{mTable};
    PriceScheduleTable mSchedule;
    QAbstractItemModelTester mTester{&mSchedule.model(),
                                     QAbstractItemModelTester::FailureReportingMode::Fatal};
};

TEST_F(PriceScheduleTest, MirrorsTheCurrentProductsPricePoints)
{
    mSchedule.PriceUpdate(mTable, 1);
    EXPECT_EQ(schedule(1, 1), QStringLiteral("10"));
    EXPECT_EQ(schedule(1, 2), QStringLiteral("9.50"));
    EXPECT_EQ(schedule(2, 1), QStringLiteral("50"));
    EXPECT_EQ(schedule(2, 2), QStringLiteral("8.75"));
    EXPECT_TRUE(mSchedule.table().cell(3, 1).isEmpty());

    mSchedule.PriceUpdate(mTable, 2);
    EXPECT_EQ(schedule(1, 1), QStringLiteral("100"));
    EXPECT_TRUE(mSchedule.table().cell(2, 1).isEmpty()); // nothing left of the first product

    mSchedule.PriceUpdate(mTable, 0);
    for (int k = 1; k <= 5; ++k)
        EXPECT_TRUE(mSchedule.table().cell(k, 1).isEmpty()
                    && mSchedule.table().cell(k, 2).isEmpty());
    EXPECT_EQ(mSchedule.table().rows(), 5);
    EXPECT_EQ(mSchedule.table().columns(), 2);
}

TEST_F(PriceScheduleTest, GridIsLockedUntilEditingUnlocksIt)
{
    mSchedule.PriceUpdate(mTable, 1);
    EXPECT_TRUE(mSchedule.isLocked());
    EXPECT_FALSE(type(1, 1, QStringLiteral("20")));
    EXPECT_EQ(schedule(1, 1), QStringLiteral("10"));
    EXPECT_FALSE(mSchedule.model().flags(mSchedule.model().index(0, 0)) & Qt::ItemIsEditable);

    mSchedule.setLocked(false);
    EXPECT_TRUE(mSchedule.model().flags(mSchedule.model().index(0, 1)) & Qt::ItemIsEditable);
    EXPECT_TRUE(type(1, 1, QStringLiteral("20")));
    EXPECT_EQ(schedule(1, 1), QStringLiteral("20"));
    // Typing changes the schedule only; the product keeps its price points until committed.
    EXPECT_EQ(product(1, product::pricePointQuantity(1)), QStringLiteral("10"));
}

TEST_F(PriceScheduleTest, StoringSortsByQuantityAsNumbersWithEmptyRowsLast)
{
    mSchedule.setLocked(false);
    mSchedule.PriceUpdate(mTable, 2);
    type(1, 1, QStringLiteral("50"));
    type(1, 2, QStringLiteral("8.75"));
    type(2, 1, QString());
    type(2, 2, QStringLiteral("3.00")); // a price without its quantity
    type(3, 1, QStringLiteral("5"));
    type(3, 2, QStringLiteral("10.00"));
    type(4, 1, QStringLiteral("1,000"));
    type(4, 2, QStringLiteral("7"));
    type(5, 1, QStringLiteral("many"));
    type(5, 2, QStringLiteral("1"));

    mSchedule.store(mTable, 2, true);
    const QStringList expected = {"5", "10.00", "50", "8.75", "1,000",
                                  "7", "many",  "1",  "",     "3.00"};
    for (int k = 1; k <= 5; ++k) {
        EXPECT_EQ(schedule(k, 1), expected.at(2 * k - 2)) << k;
        EXPECT_EQ(schedule(k, 2), expected.at(2 * k - 1)) << k;
        EXPECT_EQ(product(2, product::pricePointQuantity(k)), expected.at(2 * k - 2)) << k;
        EXPECT_EQ(product(2, product::pricePointPrice(k)), expected.at(2 * k - 1)) << k;
    }
    // The other product is untouched.
    EXPECT_EQ(product(1, product::pricePointQuantity(1)), QStringLiteral("10"));

    // Without sorting the rows go across as they stand.
    mSchedule.PriceUpdate(mTable, 1);
    type(1, 1, QStringLiteral("60"));
    mSchedule.store(mTable, 1, false);
    EXPECT_EQ(product(1, product::pricePointQuantity(1)), QStringLiteral("60"));
    EXPECT_EQ(product(1, product::pricePointQuantity(2)), QStringLiteral("50"));
}

TEST_F(PriceScheduleTest, ClearedPricePointsAreGoneAfterSaveAndLoad)
{
    // Editing is off: the grid stays locked, and Clear works all the same.
    mSchedule.PriceUpdate(mTable, 1);
    mSchedule.ClearPrice(mTable, 1);
    for (int k = 1; k <= 5; ++k) {
        EXPECT_TRUE(mSchedule.table().cell(k, 1).isEmpty());
        EXPECT_TRUE(mTable.cell(1, product::pricePointQuantity(k)).isEmpty());
        EXPECT_TRUE(mTable.cell(1, product::pricePointPrice(k)).isEmpty());
    }
    EXPECT_EQ(readBytes(mPath),
              record({"A-100", "Widget", "10", "", "", "10", "9.50", "50", "8.75"})
                  + record({"B-200", "Gadget", "5", "", "", "100", "4.00"}));

    ASSERT_TRUE(mProducts.WriteProds(mPath).ok());
    EXPECT_EQ(readBytes(mPath), record({"A-100", "Widget", "10"})
                                    + record({"B-200", "Gadget", "5", "", "", "100", "4.00"}));
    Table reloaded;
    Products again(reloaded);
    again.load(mPath);
    mSchedule.PriceUpdate(reloaded, 1);
    for (int k = 1; k <= 5; ++k)
        EXPECT_TRUE(mSchedule.table().cell(k, 1).isEmpty());
    EXPECT_EQ(reloaded.cell(2, product::pricePointQuantity(1)).toText(), QStringLiteral("100"));

    // With no current product Clear empties the schedule and touches no product.
    mSchedule.PriceUpdate(mTable, 2);
    mSchedule.ClearPrice(mTable, 0);
    EXPECT_TRUE(mSchedule.table().cell(1, 1).isEmpty());
    EXPECT_EQ(product(2, product::pricePointQuantity(1)), QStringLiteral("100"));
}

TEST_F(PriceScheduleTest, ShowsQuantitiesGroupedAndPricesAsCurrency)
{
    EXPECT_EQ(mSchedule.model().headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(),
              QStringLiteral("Price Point"));
    EXPECT_EQ(mSchedule.model().headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(),
              QStringLiteral("Price"));
    mSchedule.setLocked(false);
    type(1, 1, QStringLiteral("1000"));
    type(1, 2, QStringLiteral("9.5"));
    type(2, 1, QStringLiteral("0"));
    type(2, 2, QStringLiteral("1234.5"));
    type(3, 1, QStringLiteral("12.5"));
    type(3, 2, QStringLiteral("call us"));
    EXPECT_EQ(shown(1, 1), QStringLiteral("1,000"));
    EXPECT_EQ(shown(1, 2), QStringLiteral("$9.50"));
    EXPECT_EQ(shown(2, 1), QString()); // zero shows as nothing
    EXPECT_EQ(shown(2, 2), QStringLiteral("$1,234.50"));
    EXPECT_EQ(shown(3, 1), QStringLiteral("12"));
    EXPECT_EQ(shown(3, 2), QStringLiteral("call us"));
    EXPECT_EQ(shown(4, 1), QString());
    // The display leaves the stored texts as typed.
    EXPECT_EQ(schedule(1, 1), QStringLiteral("1000"));
    EXPECT_EQ(mSchedule.model().data(mSchedule.model().index(0, 1), Qt::EditRole).toString(),
              QStringLiteral("9.5"));

    const testsupport::LocaleGuard german(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(shown(1, 1), QStringLiteral("1.000"));
    EXPECT_EQ(shown(2, 2), QStringLiteral("1.234,50\u00A0€"));
}

TEST(PriceBoxTest, NumbersTakeTheCurrencyFormOtherTextStays)
{
    EXPECT_EQ(PriceBox::reformat(QStringLiteral("12.5")), QStringLiteral("$12.50"));
    EXPECT_EQ(PriceBox::reformat(QStringLiteral("1234.5")), QStringLiteral("$1,234.50"));
    EXPECT_EQ(PriceBox::reformat(QStringLiteral("$12.50")), QStringLiteral("$12.50"));
    EXPECT_EQ(PriceBox::reformat(QStringLiteral("2.125")), QStringLiteral("$2.12"));
    EXPECT_EQ(PriceBox::reformat(QStringLiteral("five")), QStringLiteral("five"));
    EXPECT_EQ(PriceBox::reformat(QString()), QString());

    const testsupport::LocaleGuard german(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(PriceBox::reformat(QStringLiteral("12,5")), QStringLiteral("12,50\u00A0€"));
}

} // namespace
