// The archive's time field: days since 1899-12-30 00:00 local time, the time of day as the
// fraction, at the resolution of a DOS date-time.
#include "payload/ArchiveFormat.h"

#include <cmath>
#include <cstdint>

namespace payload {
namespace {

constexpr int64_t kMillisecondsPerDay = 86400000;
constexpr int kFirstValidYear = 1899;  // from the epoch, 1899-12-30, on
constexpr int kLastValidYear = 9999;
constexpr int kFirstDosYear = 1980;
constexpr int kLastDosYear = 2107;

constexpr bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

constexpr int DaysInMonth(int year, int month) {
    constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// Days from 0001-01-01 (day 0) of the proleptic Gregorian calendar.
constexpr int64_t DaysBeforeYear(int year) {
    const int64_t y = year - 1;
    return y * 365 + y / 4 - y / 100 + y / 400;
}

constexpr int64_t Ordinal(int year, int month, int day) {
    int64_t days = DaysBeforeYear(year);
    for (int m = 1; m < month; ++m)
        days += DaysInMonth(year, m);
    return days + day - 1;
}

constexpr int64_t kEpochOrdinal = Ordinal(1899, 12, 30);
// 10000-01-01: the first day number past the valid range.
constexpr int64_t kEndDayNumber = DaysBeforeYear(kLastValidYear + 1) - kEpochOrdinal;

void SplitDayNumber(int64_t dayNumber, LocalDateTime& t) {
    const int64_t ordinal = dayNumber + kEpochOrdinal;
    int year = static_cast<int>(ordinal / 366) + 1;  // never past the real year
    while (DaysBeforeYear(year + 1) <= ordinal)
        ++year;
    int64_t dayOfYear = ordinal - DaysBeforeYear(year);
    int month = 1;
    while (dayOfYear >= DaysInMonth(year, month)) {
        dayOfYear -= DaysInMonth(year, month);
        ++month;
    }
    t.year = year;
    t.month = month;
    t.day = static_cast<int>(dayOfYear) + 1;
}

void SplitMilliseconds(int64_t milliseconds, LocalDateTime& t) {
    const int64_t seconds = milliseconds / 1000;
    t.hour = static_cast<int>(seconds / 3600);
    t.minute = static_cast<int>(seconds / 60 % 60);
    t.second = static_cast<int>(seconds % 60);
}

} // namespace

bool IsValidLocalDateTime(const LocalDateTime& t) {
    if (t.year < kFirstValidYear || t.year > kLastValidYear || t.month < 1 || t.month > 12)
        return false;
    if (t.day < 1 || t.day > DaysInMonth(t.year, t.month))
        return false;
    if (Ordinal(t.year, t.month, t.day) < kEpochOrdinal)
        return false;
    return t.hour >= 0 && t.hour < 24 && t.minute >= 0 && t.minute < 60 && t.second >= 0 &&
           t.second < 60;
}

double EncodeDateTime(const LocalDateTime& t) {
    const int64_t dayNumber = Ordinal(t.year, t.month, t.day) - kEpochOrdinal;
    const int64_t milliseconds = (t.hour * 3600 + t.minute * 60 + t.second) * int64_t{1000};
    return static_cast<double>(dayNumber) +
           static_cast<double>(milliseconds) / static_cast<double>(kMillisecondsPerDay);
}

bool DecodeDateTime(double value, LocalDateTime& t) {
    if (!(value >= 0 && value < static_cast<double>(kEndDayNumber)))
        return false;
    const double wholeDays = std::floor(value);
    const double fraction = value - wholeDays;  // exact: both lie in the same day
    const int64_t milliseconds =
        static_cast<int64_t>(std::llround(fraction * static_cast<double>(kMillisecondsPerDay)));
    if (milliseconds % 1000 != 0 || milliseconds >= kMillisecondsPerDay)
        return false;
    LocalDateTime split{};
    SplitDayNumber(static_cast<int64_t>(wholeDays), split);
    SplitMilliseconds(milliseconds, split);
    // Rounding found the nearest second; only the exact value of that second counts.
    if (EncodeDateTime(split) != value)
        return false;
    t = split;
    return true;
}

bool IsDosResolutionTime(double value) {
    LocalDateTime t{};
    return DecodeDateTime(value, t) && t.year >= kFirstDosYear && t.year <= kLastDosYear &&
           t.second % 2 == 0;
}

} // namespace payload
