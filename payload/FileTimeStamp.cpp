#include "payload/AttachFiles.h"

#include "platform/Handles.h"
#include "platform/WideText.h"

#include <windows.h>

#include <cmath>
#include <cstdint>

namespace payload {
namespace {

constexpr int64_t kMillisecondsPerDay = 86400000;
constexpr int64_t kDaysFrom1601To1899 = 109205;  // 1 January 1601 to 30 December 1899
constexpr int64_t kFileTimeUnitsPerMs = 10000;

struct DosDateTime { WORD date; WORD time; };

// The calendar split of a day count, by way of a FILETIME that only serves as a counter.
// The count is rounded to the millisecond first, so 23:59:59.9996 belongs to the next day.
bool SplitDateTime(TDateTime value, SYSTEMTIME& parts) {
    if (!std::isfinite(value) || value < 0 || value > 100000) return false;  // 100000: year 2173
    const int64_t totalMs = std::llround(value * kMillisecondsPerDay);
    const uint64_t units = static_cast<uint64_t>(totalMs + kDaysFrom1601To1899 * kMillisecondsPerDay) * kFileTimeUnitsPerMs;
    FILETIME counter;
    counter.dwLowDateTime = static_cast<DWORD>(units);
    counter.dwHighDateTime = static_cast<DWORD>(units >> 32);
    return ::FileTimeToSystemTime(&counter, &parts) != FALSE;
}

bool ToDosDateTime(TDateTime value, DosDateTime& dos) {
    SYSTEMTIME t;
    if (!SplitDateTime(value, t) || t.wYear < 1980 || t.wYear > 2099) return false;
    dos.date = static_cast<WORD>(((t.wYear - 1980) << 9) | (t.wMonth << 5) | t.wDay);
    dos.time = static_cast<WORD>((t.wHour << 11) | (t.wMinute << 5) | (t.wSecond / 2));
    return true;
}

} // namespace

void SetFileWriteDate(const std::string& path, TDateTime time) {
    DosDateTime dos;
    if (!ToDosDateTime(time, dos)) return;
    FILETIME local, utc;
    if (!::DosDateTimeToFileTime(dos.date, dos.time, &local) || !::LocalFileTimeToFileTime(&local, &utc)) return;
    platform::UniqueFile file(::CreateFileW(platform::ToWide(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (file) ::SetFileTime(file.get(), nullptr, nullptr, &utc);
}

} // namespace payload
