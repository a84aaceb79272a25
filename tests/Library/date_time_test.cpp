#include "Library/date_time.h"

#include "test_stream_support.h"

#include <gtest/gtest.h>

#include <climits>
#include <limits>

namespace {

DateTime At(int ms, int sec, int min, int hours, int day, int month, int year) {
    DateTime value;
    value.Set(ms, sec, min, hours, day, month, year);
    return value;
}

void ExpectDate(const DateTime& value, int day, int month, int year) {
    EXPECT_EQ(value.GetDay(), day);
    EXPECT_EQ(value.GetMonth(), month);
    EXPECT_EQ(value.GetYear(), year);
}

TEST(DateTime, CarriesUpwardThroughTheYear) {
    DateTime value = At(0, 0, 59, 23, 31, 12, 1999);
    value.AddMilliseconds(61000);
    EXPECT_EQ(value, At(0, 1, 0, 0, 1, 1, 2000));
    EXPECT_STREQ(value.MonthName().c_str(), "JAN");

    for (int year : {1999, 2000, 2001})
        ExpectDate(At(0, 0, 0, 0, 29, 2, year), 1, 3, year); // February always has 28 days
    ExpectDate(At(0, 0, 0, 24, 31, 12, 5), 1, 1, 6);
    ExpectDate(At(0, 0, 0, 0, 1, 25, 5), 1, 1, 7);
    ExpectDate(At(0, 0, 0, 0, 365 * 40 + 32, 1, 1), 1, 2, 41);

    value.Reset();
    EXPECT_TRUE(value.IsZeroTime());
    value.AddDays(0.5);
    EXPECT_EQ(value, At(0, 0, 0, 12, 1, 1, 1));
    value.AddDays(1.25);
    EXPECT_EQ(value, At(0, 0, 0, 18, 2, 1, 1));
    value.AddHours(30);
    value.AddMinutes(90);
    EXPECT_EQ(value, At(0, 0, 30, 1, 4, 1, 1));
    EXPECT_DOUBLE_EQ(value.HoursOfDay(), 1.5);
    EXPECT_DOUBLE_EQ(value.TotalHours(), value.DayNumber() * 24.0 + 1.5);
    EXPECT_EQ(At(500, 30, 0, 0, 1, 1, 1) + At(600, 30, 59, 23, 30, 11, 0),
              At(100, 1, 0, 0, 1, 1, 2));
}

TEST(DateTime, OrdersByDayThenMinuteThenMillisecond) {
    const DateTime a = At(0, 0, 0, 10, 5, 6, 2020);
    for (const DateTime& later :
         {At(0, 0, 0, 10, 6, 6, 2020), At(0, 0, 1, 10, 5, 6, 2020), At(1, 0, 0, 10, 5, 6, 2020)}) {
        EXPECT_TRUE(a < later);
        EXPECT_TRUE(later > a);
        EXPECT_TRUE(a <= later);
        EXPECT_FALSE(a >= later);
        EXPECT_NE(a, later);
    }
    const DateTime same = a;
    EXPECT_FALSE(a < same);
    EXPECT_FALSE(a > same);
    EXPECT_TRUE(a <= same && a >= same);
}

TEST(DateTime, DayNumbersRoundTripOverThreeThousandYears) {
    const long first = At(0, 0, 0, 0, 1, 1, 1).DayNumber();
    const long last = At(0, 0, 0, 0, 31, 12, 3000).DayNumber();
    EXPECT_EQ(At(0, 0, 0, 0, 1, 1, 2000).DayNumber(), 2451545);
    DateTime previous;
    previous.SetDayNumber(first);
    ExpectDate(previous, 1, 1, 1);
    for (long number = first + 1; number <= last; ++number) {
        DateTime value;
        value.SetDayNumber(number);
        ASSERT_EQ(value.DayNumber(), number);
        // Each day follows the one before: the next day of the month, or the first of the next.
        const bool nextDay =
            value.GetDay() == previous.GetDay() + 1 && value.GetMonth() == previous.GetMonth();
        const bool nextMonth =
            value.GetDay() == 1 && (value.GetMonth() == previous.GetMonth() % 12 + 1);
        const bool gregorianGap = number == 2299161; // 4 October 1582 is followed by the 15th
        ASSERT_TRUE(nextDay || nextMonth || gregorianGap) << number;
        previous = value;
    }
    ExpectDate(previous, 31, 12, 3000);
    DateTime gap;
    gap.SetDayNumber(2299161);
    ExpectDate(gap, 15, 10, 1582);
    gap.SetDayNumber(2299160);
    ExpectDate(gap, 4, 10, 1582);
    gap.SetDayNumber(1721423); // the day before 1 January of year 1 is in year -1
    ExpectDate(gap, 31, 12, -1);

    EXPECT_STREQ(At(0, 0, 0, 0, 1, 1, 2000).DayName().c_str(), "SAT");
    EXPECT_STREQ(At(0, 0, 0, 0, 1, 1, 2024).DayName().c_str(), "MON");
    EXPECT_EQ(At(0, 0, 0, 0, 1, 1, 0).DayOfWeek(), 1);
}

TEST(DateTime, StreamsSevenWordsYearFirst) {
    const DateTime value = At(123, 45, 6, 7, 8, 9, 2010);
    const Bytes stored = StoredForm(value);
    ASSERT_EQ(stored.size(), 28u);
    EXPECT_EQ(stored[0] + stored[1] * 256, 2010);
    EXPECT_EQ(stored[24], 123);
    DateTime copy;
    TestStream stream(stored);
    ASSERT_TRUE(copy.Read(stream));
    EXPECT_EQ(copy, value);
    TestStream cut(Bytes(stored.begin(), stored.end() - 1));
    EXPECT_FALSE(copy.Read(cut));
    EXPECT_EQ(copy, value); // a failed read changes nothing
}

TEST(DateTime, DamagedValuesStayInBounds) {
    // A month outside 1-12 names no month and carries no day.
    DateTime bad = At(0, 0, 0, 0, 400, 0, 2000);
    EXPECT_EQ(bad.GetDay(), 400);
    EXPECT_STREQ(bad.MonthName().c_str(), "");
    bad.AddHours(48);
    EXPECT_EQ(bad.GetDay(), 402);
    bad = At(0, 0, 0, 0, 40, -7, 2000);
    EXPECT_STREQ(bad.MonthName().c_str(), "");
    EXPECT_FALSE(bad.DayName().Length() == 0);

    const DateTime huge = At(INT_MAX, INT_MAX, INT_MAX, INT_MAX, INT_MAX, INT_MAX, INT_MAX);
    EXPECT_EQ(huge.GetYear(), INT_MAX);
    EXPECT_LE(huge.GetMonth(), 12);
    (void)(huge + huge).DayName();
    (void)(huge < bad);
    DateTime low = At(INT_MIN, INT_MIN, INT_MIN, INT_MIN, INT_MIN, INT_MIN, INT_MIN);
    low.AddMilliseconds(INT_MIN);
    low.AddDays(-1e300);
    low.AddDays(std::numeric_limits<double>::infinity());
    EXPECT_EQ(low.GetMilliseconds(), INT_MIN);
    low.SetDayNumber(LONG_MAX);
    EXPECT_EQ(low.GetYear(), INT_MAX);
    low.SetDayNumber(LONG_MIN);
    (void)low.TotalHours();
}

} // namespace
