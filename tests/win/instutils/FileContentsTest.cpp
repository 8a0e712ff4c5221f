// Whole-file writes and last-write dates.
#include "TestSupport.h"

#include "instutils/InstUtils.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <iomanip>

using namespace instutils;
using namespace testsupport;

namespace {

const std::string kStamp("\x01\x00\x02\x00\x00\x7f\xff\x00", 8);

TEST(WriteStringToFile, WritesEveryByteZerosIncluded) {
    WorkFolder work;
    WriteStringToFile(work / "stamp", kStamp);
    EXPECT_EQ(ReadWholeFile(work / "stamp"), kStamp);
}

TEST(WriteStringToFile, TruncatesALongerFile) {
    WorkFolder work;
    MakeFile(work / "stamp", std::string(1000, 'z'));
    WriteStringToFile(work / "stamp", kStamp);
    EXPECT_EQ(ReadWholeFile(work / "stamp"), kStamp);
}

TEST(WriteStringToFile, WritesAnEmptyFile) {
    WorkFolder work;
    MakeFile(work / "userdic.tlx", "old");
    WriteStringToFile(work / "userdic.tlx", "");
    EXPECT_EQ(ReadWholeFile(work / "userdic.tlx"), "");
}

TEST(WriteStringToFile, MakesNoMissingFolder) {
    WorkFolder work;
    WriteStringToFile(work / "missing\\stamp", kStamp);
    EXPECT_FALSE(Exists(work / "missing"));
}

// The day count the payload stores, worked out another way: through the 100-ns file-time
// scale, from 30 December 1899.
double DayCount(const SYSTEMTIME& local) {
    const SYSTEMTIME day0 = {1899, 12, 0, 30, 0, 0, 0, 0};
    FILETIME t = {}, t0 = {};
    SystemTimeToFileTime(&local, &t);
    SystemTimeToFileTime(&day0, &t0);
    const auto ticks = [](const FILETIME& f) { return (static_cast<long long>(f.dwHighDateTime) << 32) | f.dwLowDateTime; };
    const long long milliseconds = (ticks(t) - ticks(t0)) / 10000;
    return static_cast<double>(milliseconds / 86400000) + static_cast<double>(milliseconds % 86400000) / 86400000.0;
}

void SetLocalWriteTime(const std::string& path, const SYSTEMTIME& local) {
    FILETIME localTime = {}, utc = {};
    ASSERT_TRUE(SystemTimeToFileTime(&local, &localTime));
    ASSERT_TRUE(LocalFileTimeToFileTime(&localTime, &utc));
    HANDLE file = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    EXPECT_TRUE(SetFileTime(file, nullptr, nullptr, &utc));
    CloseHandle(file);
}

TEST(FileWriteDate, IsTheLocalTimeAtDosResolution) {
    const struct { SYSTEMTIME written; double expected; } cases[] = {
        // The first payload entry's stored time, bit for bit: 2021-02-10 11:58:46.
        {{2021, 2, 0, 10, 11, 58, 46, 0}, 44237.49914351852},
        {{2013, 3, 0, 31, 21, 0, 0, 0}, 41364.875},
        {{2021, 2, 0, 10, 11, 58, 47, 999}, 44237.49914351852},  // odd second and milliseconds dropped
        {{1980, 1, 0, 1, 0, 0, 0, 0}, 29221.0},
        {{2000, 2, 0, 29, 23, 59, 58, 0}, 36585.0 + 86398000 / 86400000.0},
    };
    WorkFolder work;
    MakeFile(work / "file.txt");
    for (const auto& c : cases) {
        SetLocalWriteTime(work / "file.txt", c.written);
        const double date = FileWriteDate(work / "file.txt");
        EXPECT_EQ(std::memcmp(&date, &c.expected, sizeof date), 0)
            << c.written.wYear << "-" << c.written.wMonth << "-" << c.written.wDay << ": " << date;
    }
}

TEST(FileWriteDate, OfAFreshFileIsNowInWholeEvenSeconds) {
    WorkFolder work;
    SYSTEMTIME before;
    GetLocalTime(&before);
    WriteStringToFile(work / "fresh.txt", "x");
    const double date = FileWriteDate(work / "fresh.txt");
    const double seconds = (date - std::floor(date)) * 86400.0;
    EXPECT_NEAR(seconds, std::round(seconds), 1e-4);
    EXPECT_EQ(static_cast<long long>(std::round(seconds)) % 2, 0);
    EXPECT_NEAR(date, DayCount(before), 5.0 / 86400.0);
}

TEST(FileWriteDate, AcceptsAFolder) {
    WorkFolder work;
    MakeFolder(work / "folder");
    const SYSTEMTIME written = {2018, 6, 0, 20, 11, 11, 2, 0};
    SetLocalWriteTime(work / "folder", written);
    const double date = FileWriteDate(work / "folder");
    EXPECT_EQ(date, DayCount(written)) << std::setprecision(17) << date << " vs " << DayCount(written);
}

TEST(FileWriteDate, OfAMissingFileIsTheCurrentTime) {
    WorkFolder work;
    SYSTEMTIME before, after;
    GetLocalTime(&before);
    const double date = FileWriteDate(work / "missing.txt");
    GetLocalTime(&after);
    EXPECT_GE(date, DayCount(before));
    EXPECT_LE(date, DayCount(after));
}

} // namespace
