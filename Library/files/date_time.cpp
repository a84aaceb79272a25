#include "Library/files/date_time.h"

#include "Library/core/stream.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

constexpr const char* kDayNames[7] = {"MON", "TUE", "WED", "THUR", "FRI", "SAT", "SUN"};
constexpr const char* kMonthNames[12] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                         "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
constexpr int kMonthDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
constexpr int kDaysInYear = 365; // the carrying calendar has no leap days

constexpr long kJulianEpochOffset = 1720995;
constexpr long kGregorianFirstDate = 15 + 31 * (10 + 12 * 1582); // 15 October 1582
constexpr long kGregorianFirstDay = 2299161;                     // its day number
// Beyond any year a field can hold, and small enough for the arithmetic below.
constexpr long kMaxDayNumber = 800000000000L;

int32_t Saturate(int64_t value) {
    return static_cast<int32_t>(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
}

long JulianDay(int64_t day, int64_t month, int64_t year) {
    if (year == 0)
        return 0;
    int64_t julianYear = year < 0 ? year + 1 : year;
    int64_t julianMonth = month + 1;
    if (month <= 2) {
        --julianYear;
        julianMonth = month + 13;
    }
    long number = static_cast<long>(std::floor(365.25 * static_cast<double>(julianYear)) +
                                    std::floor(30.6001 * static_cast<double>(julianMonth))) +
                  day + kJulianEpochOffset;
    if (day + 31 * (month + 12 * year) >= kGregorianFirstDate) {
        const long century = static_cast<long>(0.01 * static_cast<double>(julianYear));
        number += 2 - century + static_cast<long>(0.25 * static_cast<double>(century));
    }
    return number;
}

} // namespace

DateTime::DateTime() = default;

void DateTime::Reset() {
    *this = DateTime();
}

bool DateTime::IsZeroTime() const {
    return *this == DateTime();
}

void DateTime::Set(int milliseconds, int seconds, int minutes, int hours, int day, int month,
                   int year) {
    Normalise(milliseconds, seconds, minutes, hours, day, month, year);
}

void DateTime::AddMilliseconds(int count) {
    Normalise(int64_t{m_milliseconds} + count, m_seconds, m_minutes, m_hours, m_day, m_month,
              m_year);
}

void DateTime::AddMinutes(int count) {
    Normalise(m_milliseconds, m_seconds, int64_t{m_minutes} + count, m_hours, m_day, m_month,
              m_year);
}

void DateTime::AddHours(int count) {
    Normalise(m_milliseconds, m_seconds, m_minutes, int64_t{m_hours} + count, m_day, m_month,
              m_year);
}

void DateTime::AddDays(double days) {
    if (!std::isfinite(days))
        return;
    const double clamped = std::clamp<double>(days, INT32_MIN, INT32_MAX);
    const double wholeDays = std::trunc(clamped);
    double fraction = clamped - wholeDays;
    // Each unit's whole part is taken with a little slack so 0.5 days is 12:00:00.000.
    const auto take = [&fraction](double scale) {
        const double value = fraction * scale;
        const int64_t whole = static_cast<int64_t>(value + 0.0001);
        fraction = value - static_cast<double>(whole);
        return whole;
    };
    const int64_t hours = take(24);
    const int64_t minutes = take(60);
    const int64_t seconds = take(60);
    const int64_t milliseconds = take(1000);
    Normalise(m_milliseconds + milliseconds, m_seconds + seconds, m_minutes + minutes,
              m_hours + hours, m_day + static_cast<int64_t>(wholeDays), m_month, m_year);
}

void DateTime::Normalise(int64_t milliseconds, int64_t seconds, int64_t minutes, int64_t hours,
                         int64_t day, int64_t month, int64_t year) {
    if (milliseconds > 999) {
        seconds += milliseconds / 1000;
        milliseconds %= 1000;
    }
    if (seconds > 59) {
        minutes += seconds / 60;
        seconds %= 60;
    }
    if (minutes > 59) {
        hours += minutes / 60;
        minutes %= 60;
    }
    if (hours > 23) {
        day += hours / 24;
        hours %= 24;
    }
    if (month > 12) {
        year += (month - 1) / 12;
        month = (month - 1) % 12 + 1;
    }
    // A month below 1 (a damaged save) has no length to carry the day by.
    if (month >= 1) {
        if (day > kDaysInYear) {
            year += (day - 1) / kDaysInYear;
            day = (day - 1) % kDaysInYear + 1;
        }
        while (day > kMonthDays[month - 1]) {
            day -= kMonthDays[month - 1];
            if (++month > 12) {
                month = 1;
                ++year;
            }
        }
    }
    m_milliseconds = Saturate(milliseconds);
    m_seconds = Saturate(seconds);
    m_minutes = Saturate(minutes);
    m_hours = Saturate(hours);
    m_day = Saturate(day);
    m_month = Saturate(month);
    m_year = Saturate(year);
}

DateTime DateTime::operator+(const DateTime& other) const {
    DateTime sum;
    sum.Normalise(int64_t{m_milliseconds} + other.m_milliseconds,
                  int64_t{m_seconds} + other.m_seconds, int64_t{m_minutes} + other.m_minutes,
                  int64_t{m_hours} + other.m_hours, int64_t{m_day} + other.m_day,
                  int64_t{m_month} + other.m_month, int64_t{m_year} + other.m_year);
    return sum;
}

DateTime& DateTime::operator+=(const DateTime& other) {
    return *this = *this + other;
}

bool DateTime::operator==(const DateTime& other) const {
    return m_milliseconds == other.m_milliseconds && m_seconds == other.m_seconds &&
           m_minutes == other.m_minutes && m_hours == other.m_hours && m_day == other.m_day &&
           m_month == other.m_month && m_year == other.m_year;
}

bool DateTime::operator<(const DateTime& other) const {
    const long day = DayNumber();
    const long otherDay = other.DayNumber();
    if (day != otherDay)
        return day < otherDay;
    if (MinutesOfDay() != other.MinutesOfDay())
        return MinutesOfDay() < other.MinutesOfDay();
    return MsOfMinute() < other.MsOfMinute();
}

long DateTime::DayNumber() const {
    return JulianDay(m_day, m_month, m_year);
}

void DateTime::SetDayNumber(long number) {
    const long julian = std::clamp(number, -kMaxDayNumber, kMaxDayNumber);
    long adjusted = julian;
    if (julian >= kGregorianFirstDay) {
        const long alpha =
            static_cast<long>((static_cast<double>(julian - 1867216) - 0.25) / 36524.25);
        adjusted = julian + 1 + alpha - static_cast<long>(0.25 * static_cast<double>(alpha));
    } else if (julian < 0) {
        adjusted = julian + 36525 * (1 - julian / 36525);
    }
    const long b = adjusted + 1524;
    const long c = static_cast<long>(6680.0 + (static_cast<double>(b - 2439870) - 122.1) / 365.25);
    const long d =
        static_cast<long>(365.0 * static_cast<double>(c) + 0.25 * static_cast<double>(c));
    const long e = static_cast<long>(static_cast<double>(b - d) / 30.6001);
    const long day = b - d - static_cast<long>(30.6001 * static_cast<double>(e));
    const long month = e - 1 > 12 ? e - 13 : e - 1;
    long year = c - 4715 - (month > 2 ? 1 : 0);
    if (year <= 0)
        --year;
    if (julian < 0)
        year -= 100 * (1 - julian / 36525);
    m_day = Saturate(day);
    m_month = Saturate(month);
    m_year = Saturate(year);
}

int DateTime::DayOfWeek() const {
    const long number = DayNumber();
    return number < 1 ? 1 : static_cast<int>(number % 7) + 1;
}

Stringc DateTime::DayName() const {
    return Stringc(kDayNames[DayOfWeek() - 1]);
}

Stringc DateTime::MonthName() const {
    return m_month >= 1 && m_month <= 12 ? Stringc(kMonthNames[m_month - 1]) : Stringc();
}

double DateTime::HoursOfDay() const {
    return m_hours + m_minutes / 60.0 + m_seconds / 3600.0 + m_milliseconds / 3600000.0;
}

double DateTime::TotalHours() const {
    return static_cast<double>(DayNumber()) * 24.0 + HoursOfDay();
}

bool DateTime::Read(Stream& stream) {
    int32_t fields[7] = {};
    for (int32_t& field : fields) {
        if (!stream.ReadValue(field))
            return false;
    }
    m_year = fields[0];
    m_month = fields[1];
    m_day = fields[2];
    m_hours = fields[3];
    m_minutes = fields[4];
    m_seconds = fields[5];
    m_milliseconds = fields[6];
    return true;
}

bool DateTime::Write(Stream& stream) const {
    return stream.WriteValue(m_year) && stream.WriteValue(m_month) && stream.WriteValue(m_day) &&
           stream.WriteValue(m_hours) && stream.WriteValue(m_minutes) &&
           stream.WriteValue(m_seconds) && stream.WriteValue(m_milliseconds);
}
