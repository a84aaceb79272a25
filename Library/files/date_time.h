#pragma once
// The calendar value of the game world's clock. Additions carry upward only (February
// always has 28 days); comparisons and weekdays go through Julian day numbers.

#include "Library/core/stringc.h"

#include <cstdint>

class Stream;

class DateTime {
public:
    DateTime(); // as after Reset
    DateTime(const DateTime& other) = default;
    DateTime& operator=(const DateTime& other) = default;
    virtual ~DateTime() = default;

    void Reset(); // 00:00:00.000 on 1 JAN of year 1
    bool IsZeroTime() const;
    void Set(int milliseconds, int seconds, int minutes, int hours, int day, int month, int year);
    void AddMilliseconds(int count);
    void AddMinutes(int count);
    void AddHours(int count);
    void AddDays(double days); // the fraction becomes hours, minutes, seconds and milliseconds

    DateTime operator+(const DateTime& other) const; // field by field, then carried
    DateTime& operator+=(const DateTime& other);
    bool operator==(const DateTime& other) const;
    bool operator!=(const DateTime& other) const { return !(*this == other); }
    bool operator<(const DateTime& other) const;
    bool operator>(const DateTime& other) const { return other < *this; }
    bool operator<=(const DateTime& other) const { return !(*this > other); }
    bool operator>=(const DateTime& other) const { return !(*this < other); }

    long DayNumber() const;         // Julian day number; 0 in year 0
    void SetDayNumber(long number); // the inverse; year 0 is skipped
    int DayOfWeek() const;          // 1 Monday .. 7 Sunday; 1 before day 1
    Stringc DayName() const;        // "MON" ..
    Stringc MonthName() const;      // "JAN" ..; "" for a month outside 1-12
    long MinutesOfDay() const { return m_hours * 60L + m_minutes; }
    long MsOfMinute() const { return m_seconds * 1000L + m_milliseconds; }
    double HoursOfDay() const;
    double TotalHours() const; // since day 0 of the Julian count

    int GetMilliseconds() const { return m_milliseconds; }
    int GetSeconds() const { return m_seconds; }
    int GetMinutes() const { return m_minutes; }
    int GetHours() const { return m_hours; }
    int GetDay() const { return m_day; }
    int GetMonth() const { return m_month; }
    int GetYear() const { return m_year; }

    // Stored form: seven u32, year, month, day, hours, minutes, seconds, milliseconds.
    bool Read(Stream& stream);
    bool Write(Stream& stream) const;

private:
    // Carries the fields into place and stores them; values too large for a field saturate.
    void Normalise(int64_t milliseconds, int64_t seconds, int64_t minutes, int64_t hours,
                   int64_t day, int64_t month, int64_t year);

    int32_t m_milliseconds = 0;
    int32_t m_seconds = 0;
    int32_t m_minutes = 0;
    int32_t m_hours = 0;
    int32_t m_day = 1;
    int32_t m_month = 1;
    int32_t m_year = 1;
};
