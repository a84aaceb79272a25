#include "Library/files/date_time.h"

#include "Library/core/test_stream_support.h"

#include <gtest/gtest.h>

#include <climits>
#include <limits>

namespace {

DateTime At(int ms, int sec, int min, int hours, int day, int month, int year) {
    DateTime value;
    value.Set(ms, sec, min, hours, day, month, year);
    return value;
}

TEST(DateTime, CarriesUpwardThroughTheYear) {
    DateTime value = At(0, 0, 59, 23, 31, 12, 1999);
    value.AddMilliseconds(61000);
    EXPECT_EQ(value, At(0, 1, 0, 0, 1, 1, 2000));
    for (int year : {2000, 2001}) // February always has 28 days
        EXPECT_EQ(At(0, 0, 0, 0, 29, 2, year), At(0, 0, 0, 0, 1, 3, year));
    EXPECT_EQ(At(0, 0, 0, 0, 365 * 40 + 32, 13, 1), At(0, 0, 0, 0, 1, 2, 42));

    value.Reset();
    value.AddDays(1.75);
    value.AddHours(30);
    value.AddMinutes(90);
    EXPECT_EQ(value, At(0, 0, 30, 1, 4, 1, 1));
    EXPECT_DOUBLE_EQ(value.TotalHours(), value.DayNumber() * 24.0 + 1.5);
    EXPECT_EQ(At(500, 30, 0, 0, 1, 1, 1) + At(600, 30, 59, 23, 30, 11, 0),
              At(100, 1, 0, 0, 1, 1, 2));
}

TEST(DateTime, DayNumbersRoundTripOverThreeThousandYears) {
    EXPECT_EQ(At(0, 0, 0, 0, 1, 1, 2000).DayNumber(), 2451545);
    DateTime previous = At(0, 0, 0, 0, 1, 1, 1);
    const long last = At(0, 0, 0, 0, 31, 12, 3000).DayNumber();
    for (long number = previous.DayNumber() + 1; number <= last; ++number) {
        DateTime value;
        value.SetDayNumber(number);
        ASSERT_EQ(value.DayNumber(), number);
        // The next day of the month, the first of the next, or 15 October 1582 after the 4th.
        const bool nextDay =
            value.GetDay() == previous.GetDay() + 1 && value.GetMonth() == previous.GetMonth();
        const bool nextMonth =
            value.GetDay() == 1 && value.GetMonth() == previous.GetMonth() % 12 + 1;
        ASSERT_TRUE(nextDay || nextMonth || (value.GetDay() == 15 && previous.GetDay() == 4))
            << number;
        previous = value;
    }
    EXPECT_EQ(previous, At(0, 0, 0, 0, 31, 12, 3000));
    previous.SetDayNumber(1721423); // year 0 is skipped
    EXPECT_EQ(previous, At(0, 0, 0, 0, 31, 12, -1));
    EXPECT_STREQ(At(0, 0, 0, 0, 1, 1, 2000).DayName().c_str(), "SAT");
    EXPECT_STREQ(At(0, 0, 0, 0, 1, 1, 2024).DayName().c_str(), "MON");
}

TEST(DateTime, StreamsSevenWordsYearFirst) {
    const DateTime value = At(123, 45, 6, 7, 8, 9, 2010);
    const Bytes stored = StoredForm(value);
    EXPECT_EQ(stored, (Bytes{0xDA, 7, 0, 0, 9, 0, 0,  0, 8, 0, 0,   0, 7, 0,
                             0,    0, 6, 0, 0, 0, 45, 0, 0, 0, 123, 0, 0, 0}));
    DateTime copy;
    ExpectRoundTripAndTruncationsFail(stored, copy);
    EXPECT_EQ(copy, value);
}

TEST(DateTime, DamagedValuesStayInBounds) {
    // A month below 1 names no month and carries no day.
    DateTime bad = At(0, 0, 0, 48, 400, 0, 2000);
    EXPECT_EQ(bad.GetDay(), 402);
    EXPECT_STREQ(bad.MonthName().c_str(), "");
    EXPECT_STREQ(At(0, 0, 0, 0, 40, -7, 2000).MonthName().c_str(), "");

    const DateTime huge = At(INT_MAX, INT_MAX, INT_MAX, INT_MAX, INT_MAX, INT_MAX, INT_MAX);
    EXPECT_EQ(huge.GetYear(), INT_MAX);
    EXPECT_LE(huge.GetMonth(), 12);
    EXPECT_FALSE(huge + huge < bad);
    DateTime low = At(INT_MIN, INT_MIN, INT_MIN, INT_MIN, INT_MIN, INT_MIN, INT_MIN);
    low.AddMilliseconds(INT_MIN);
    low.AddDays(-1e300);
    low.AddDays(std::numeric_limits<double>::infinity());
    EXPECT_EQ(low.GetMilliseconds(), INT_MIN);
    low.SetDayNumber(LONG_MAX);
    EXPECT_EQ(low.GetYear(), INT_MAX);
    low.SetDayNumber(LONG_MIN);
    EXPECT_LT(low.GetYear(), 0);
}

} // namespace
