// Text forms of dates, times, numbers and check boxes.
#include "dorvane/pdb/textformats.h"

#include <gtest/gtest.h>

using namespace pdb;

TEST(DateText, EveryFormat)
{
    // 25 December 1997
    const std::uint32_t day = dayNumberOfText("12/25/1997", 0);
    EXPECT_EQ(dateText(day, 0), "12/25/1997");
    EXPECT_EQ(dateText(day, 1), "25/12/1997");
    EXPECT_EQ(dateText(day, 2), "25.12.1997");
    EXPECT_EQ(dateText(day, 3), "25-12-1997");
    EXPECT_EQ(dateText(day, 4), "1997/12/25");
    EXPECT_EQ(dateText(day, 5), "1997.12.25");
    EXPECT_EQ(dateText(day, 6), "1997-12-25");
    for (int f = 0; f < kDateFormatCount; ++f)
        EXPECT_EQ(dayNumberOfText(dateText(day, f), f), day) << f;
    // outside the list: no text, read as the first format
    EXPECT_EQ(dateText(day, 7), "");
    EXPECT_EQ(dateText(day, -1), "");
    EXPECT_EQ(dayNumberOfText("12/25/1997", -1), day);
}

TEST(DateText, DayNumbers)
{
    EXPECT_EQ(dateText(0, 0), "NO DATE");
    EXPECT_EQ(dateText(1, 0), "01/02/1904");
    EXPECT_EQ(dateText(59, 0), "02/29/1904");
    EXPECT_EQ(dateText(60, 0), "03/01/1904");
    EXPECT_EQ(dateText(1826, 0), "12/31/1908"); // the last day of a leap year
    EXPECT_EQ(dayNumberOfText("12/31/1908", 0), 1826u);
    EXPECT_EQ(dateText(1827, 0), "01/01/1909");
    EXPECT_EQ(dayNumberOfText("12/31/2031", 0) + 1, dayNumberOfText("1/1/2032", 0));
    // past 2031 the year is shown modulo 128 years from 1904
    EXPECT_EQ(dateText(dayNumberOfText("1/1/2032", 0), 0), "01/01/1904");
    EXPECT_EQ(dateText(0xFFFFFFFFu, 6).size(), 10u);
}

TEST(DateText, ReadingDates)
{
    EXPECT_EQ(dayNumberOfText("", 0), 0u);
    EXPECT_EQ(dayNumberOfText("was NO DATE", 0), 0u);
    // a day past the end of its month runs on
    EXPECT_EQ(dateText(dayNumberOfText("2/30/99", 0), 0), "03/02/1999");
    // two-digit years: 00 to 03 are 2000 to 2003, 04 to 99 are 1904 to 1999
    EXPECT_EQ(dateText(dayNumberOfText("7/4/03", 0), 0), "07/04/2003");
    EXPECT_EQ(dateText(dayNumberOfText("7/4/04", 0), 0), "07/04/1904");
    EXPECT_EQ(dateText(dayNumberOfText("7/4/0", 0), 0), "07/04/2000");
    // bad month and day become 1; runs of separators count as one; blanks and signs
    EXPECT_EQ(dateText(dayNumberOfText("13/32/1999", 0), 0), "01/01/1999");
    EXPECT_EQ(dateText(dayNumberOfText("//3//  +4/1999x", 0), 0), "03/04/1999");
    EXPECT_EQ(dateText(dayNumberOfText("4.3.1999", 2), 2), "04.03.1999");
    EXPECT_EQ(dateText(dayNumberOfText("1999-3-4", 6), 6), "1999-03-04");
    // the wrong separator reads as one token: month and day 1
    EXPECT_EQ(dateText(dayNumberOfText("1999-3-4", 4), 4), "1999/01/01");
    EXPECT_EQ(dateText(dayNumberOfText("3/4/99999999999", 0), 0).size(), 10u);
}

TEST(TimeText, TwelveAndTwentyFourHours)
{
    EXPECT_EQ(timeText(0, 15, 0), "12:15 am");
    EXPECT_EQ(timeText(11, 5, 0), "11:05 am");
    EXPECT_EQ(timeText(12, 15, 0), "12:15 pm");
    EXPECT_EQ(timeText(14, 51, 0), "02:51 pm");
    EXPECT_EQ(timeText(14, 51, 1), "14:51");
    EXPECT_EQ(timeText(14, 51, 2), "02.51 pm");
    EXPECT_EQ(timeText(14, 51, 3), "14.51");
    EXPECT_EQ(timeText(14, 51, 4), "14,51");
    EXPECT_EQ(timeText(255, 0, 1), "No Time");
    EXPECT_EQ(timeText(14, 51, 5), "");
}

TEST(TimeText, ReadingTimes)
{
    EXPECT_EQ(timeOfText("12:15 am", 0), (TimeOfDay{0, 15}));
    EXPECT_EQ(timeOfText("12:15 pm", 0), (TimeOfDay{12, 15}));
    EXPECT_EQ(timeOfText("2:51 PM", 0), (TimeOfDay{14, 51}));
    EXPECT_EQ(timeOfText("2:51 Pm", 0), (TimeOfDay{2, 51})) << "only pm and PM count";
    EXPECT_EQ(timeOfText("13:00", 0), (TimeOfDay{0, 0})) << "12-hour clock";
    EXPECT_EQ(timeOfText("25:00", 1), (TimeOfDay{0, 0}));
    EXPECT_EQ(timeOfText("23:59", 1), (TimeOfDay{23, 59}));
    EXPECT_EQ(timeOfText("10:60", 1), (TimeOfDay{0, 0}));
    EXPECT_EQ(timeOfText("14,51", 4), (TimeOfDay{14, 51}));
    EXPECT_EQ(timeOfText("2.51 pm", 2), (TimeOfDay{14, 51}));
    EXPECT_EQ(timeOfText("", 1), (TimeOfDay{0, 0}));
    EXPECT_EQ(timeOfText("No Time", 1), (TimeOfDay{255, 0}));
    EXPECT_EQ(timeOfText("2:51 pm", 9), (TimeOfDay{14, 51})) << "outside the list: format 0";
    for (int f = 0; f < kTimeFormatCount; ++f) {
        for (int h = 0; h < 24; h += 5)
            EXPECT_EQ(timeOfText(timeText(h, 7, f), f), (TimeOfDay{std::uint8_t(h), 7})) << f;
    }
}

TEST(NumberText, LeadingDigits)
{
    EXPECT_EQ(numberOfText("42"), 42);
    EXPECT_EQ(numberOfText("  -17abc"), -17);
    EXPECT_EQ(numberOfText("+8"), 8);
    EXPECT_EQ(numberOfText("abc"), 0);
    EXPECT_EQ(numberOfText(""), 0);
    EXPECT_EQ(numberOfText("12.9"), 12);
    EXPECT_EQ(numberOfText("- 5"), 0);
    EXPECT_EQ(numberOfText("2147483647"), 2147483647);
    EXPECT_EQ(numberOfText("99999999999999999999"), 2147483647);
    EXPECT_EQ(numberOfText("-2147483648"), -2147483648LL);
    EXPECT_EQ(numberOfText("-99999999999"), -2147483648LL);
}

TEST(CheckBoxText, OnlyALeadingZeroIsUnchecked)
{
    EXPECT_EQ(checkBoxOfText("0"), 0);
    EXPECT_EQ(checkBoxOfText("00"), 0);
    EXPECT_EQ(checkBoxOfText("no"), 1);
    EXPECT_EQ(checkBoxOfText(""), 1);
    EXPECT_EQ(checkBoxOfText(" 0"), 1);
}
