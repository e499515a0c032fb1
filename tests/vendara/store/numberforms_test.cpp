#include "vendara/store/numberforms.h"

// Qt
#include <QLocale>

#include <gtest/gtest.h>

namespace {

using vendara::NumberForms;

class NumberFormsTest : public ::testing::Test
{
protected:
    void TearDown() override
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }
};

TEST_F(NumberFormsTest, NamedFormsInUnitedStatesSettings)
{
    EXPECT_EQ(NumberForms::currency(12.5), QStringLiteral("$12.50"));
    EXPECT_EQ(NumberForms::currency(1234567.891), QStringLiteral("$1,234,567.89"));
    EXPECT_EQ(NumberForms::currency(0), QStringLiteral("$0.00"));
    // Halves of a cent go to the even neighbour.
    EXPECT_EQ(NumberForms::currency(0.125), QStringLiteral("$0.12"));
    EXPECT_EQ(NumberForms::currency(0.375), QStringLiteral("$0.38"));
    EXPECT_EQ(NumberForms::currency(2.675), QStringLiteral("$2.68"));
    EXPECT_TRUE(NumberForms::currency(-6).contains(QStringLiteral("6.00")));

    EXPECT_EQ(NumberForms::percent(0.05), QStringLiteral("5.00%"));
    EXPECT_EQ(NumberForms::percent(-0.0525), QStringLiteral("-5.25%"));
    EXPECT_EQ(NumberForms::percent(12.3456), QStringLiteral("1234.56%"));

    EXPECT_EQ(NumberForms::quantity(1234), QStringLiteral("1,234"));
    EXPECT_EQ(NumberForms::quantity(0), QString());
    EXPECT_EQ(NumberForms::quantity(0.4), QString());
    EXPECT_EQ(NumberForms::quantity(2.5), QStringLiteral("2"));
    EXPECT_EQ(NumberForms::quantity(3.5), QStringLiteral("4"));

    EXPECT_EQ(NumberForms::shortest(12.5f), QStringLiteral("12.5"));
    EXPECT_EQ(NumberForms::shortest(0.1f), QStringLiteral("0.1"));
    EXPECT_EQ(NumberForms::shortest(19.99f), QStringLiteral("19.99"));
    EXPECT_EQ(NumberForms::shortest(1234567.0f), QStringLiteral("1234567"));
    EXPECT_EQ(NumberForms::shortest(1234.5678f), QStringLiteral("1234.568"));
    EXPECT_EQ(NumberForms::shortest(-0.0f), QStringLiteral("0"));
}

TEST_F(NumberFormsTest, EveryFormReadsBack)
{
    for (const double value : {0.0, 12.5, 1234567.89, -6.0, 0.01}) {
        EXPECT_DOUBLE_EQ(*NumberForms::readNumber(NumberForms::currency(value)), value) << value;
        EXPECT_NEAR(*NumberForms::readPercent(NumberForms::percent(value)), value, 1e-9);
    }
    EXPECT_EQ(NumberForms::readNumber(QStringLiteral("1,234.50")), 1234.5);
    EXPECT_EQ(NumberForms::readNumber(QStringLiteral(" 12.5 ")), 12.5);
    EXPECT_EQ(NumberForms::readNumber(QStringLiteral("($5.00)")), -5.0);
    EXPECT_EQ(NumberForms::readNumber(QStringLiteral("-$5.00")), -5.0);
    EXPECT_EQ(NumberForms::readNumber(QStringLiteral("1e3")), 1000.0);
    EXPECT_EQ(NumberForms::readQuantity(QStringLiteral("1,000")), 1000);
    EXPECT_EQ(NumberForms::readQuantity(QStringLiteral("2.5")), 2);
    EXPECT_EQ(NumberForms::readPercent(QStringLiteral("5")), 0.05);
    for (const char *bad : {"", "  ", "abc", "12abc", "inf", "nan", "$", "1.2.3"})
        EXPECT_FALSE(NumberForms::readNumber(QString::fromLatin1(bad)).has_value()) << bad;
    EXPECT_FALSE(NumberForms::readSingle(QStringLiteral("1e39")).has_value());
    EXPECT_EQ(NumberForms::readSingle(QStringLiteral("$19.99")), 19.99f);
}

TEST_F(NumberFormsTest, FollowTheUsersLocaleAndFallBackToUnitedStatesForC)
{
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(NumberForms::currency(12.5), QStringLiteral("$12.50"));
    EXPECT_EQ(NumberForms::quantity(1000), QStringLiteral("1,000"));
    EXPECT_EQ(NumberForms::readNumber(QStringLiteral("$1,000.25")), 1000.25);

    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QString euros = NumberForms::currency(1234.5);
    EXPECT_TRUE(euros.startsWith(QStringLiteral("1.234,50"))) << euros.toStdString();
    EXPECT_TRUE(euros.endsWith(QStringLiteral("€")));
    EXPECT_EQ(NumberForms::readNumber(euros), 1234.5);
    EXPECT_EQ(NumberForms::shortest(12.5f), QStringLiteral("12,5"));
    EXPECT_EQ(NumberForms::percent(0.05), QStringLiteral("5,00%"));
    EXPECT_EQ(NumberForms::readNumber(QStringLiteral("12,5")), 12.5);
    // A file written with United States settings still reads.
    EXPECT_EQ(NumberForms::readNumber(QStringLiteral("$12.50")), 12.5);
}

} // namespace
