#include "instutils/InstUtils.h"

#include "platform/Handles.h"

#include <windows.h>

namespace instutils {
namespace {

constexpr double kMillisecondsPerDay = 86400000.0;
constexpr int kDaysBeforeDay0 = 693594;  // days from 1 January 0001 to 30 December 1899

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    static const int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

// Whole days since 30 December 1899; 0 for a date that does not exist.
int DayNumber(int year, int month, int day) {
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month)) return 0;
    int dayOfYear = day;
    for (int m = 1; m < month; ++m) dayOfYear += DaysInMonth(year, m);
    const int y = year - 1;
    return y * 365 + y / 4 - y / 100 + y / 400 + dayOfYear - kDaysBeforeDay0;
}

// Exactly day number + milliseconds since midnight / 86,400,000: the payload's stored times
// are made the same way and compared for equality.
double DateTime(int year, int month, int day, int hour, int minute, int second, int millisecond) {
    const int milliseconds = ((hour * 60 + minute) * 60 + second) * 1000 + millisecond;
    return DayNumber(year, month, day) + milliseconds / kMillisecondsPerDay;
}

double LocalNow() {
    SYSTEMTIME now;
    ::GetLocalTime(&now);
    return DateTime(now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond, now.wMilliseconds);
}

// MS-DOS resolution: even seconds only.
double DosDateTime(WORD date, WORD time) {
    return DateTime(1980 + (date >> 9), (date >> 5) & 0x0F, date & 0x1F,
                    time >> 11, (time >> 5) & 0x3F, 2 * (time & 0x1F), 0);
}

} // namespace

double FileWriteDate(const std::string& fileName) {
    WIN32_FIND_DATAA found;
    {
        platform::UniqueFind search(::FindFirstFileA(fileName.c_str(), &found));
        if (!search) return LocalNow();
    }
    FILETIME local;
    WORD date = 0, time = 0;
    ::FileTimeToLocalFileTime(&found.ftLastWriteTime, &local);
    ::FileTimeToDosDateTime(&local, &date, &time);
    return DosDateTime(date, time);
}

} // namespace instutils
