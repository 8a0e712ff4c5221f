// Writing entries as files: lookup by name, replacement, the entry's time on the written file.
#include "StoreTestSupport.h"

#include "instutils/InstUtils.h"
#include "payload/ArchiveFormat.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using payload::TAttachedFile;
using payload::TAttachedFiles;
using namespace storetest;

namespace {

void ExpectFileHoldsEntry(const std::string& path, const TAttachedFiles& store, const TAttachedFile& entry) {
    std::string content;
    ASSERT_TRUE(ReadWholeFile(path, content)) << path;
    EXPECT_EQ(content.size(), static_cast<size_t>(entry.Size));
    EXPECT_TRUE(content == ContentOf(store, entry)) << path;
}

double Now() {
    SYSTEMTIME t;
    ::GetLocalTime(&t);
    return LocalTime(t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond);
}

} // namespace

TEST(ExtractFile, FindsTheEntryByNameWhateverTheLetterCase) {
    WorkFolder work("ByName");
    const TAttachedFiles& store = RealStore();
    ASSERT_TRUE(RealStore().ExtractFile(nullptr, "LICENSE.TXT", work / "license copy.txt"));
    ExpectFileHoldsEntry(work / "license copy.txt", store, EntryNamed(store, "License.txt"));
}

TEST(ExtractFile, WritesTheGivenEntryAndIgnoresTheName) {
    WorkFolder work("GivenEntry");
    const TAttachedFile& logo = EntryNamed(RealStore(), "Logo.bmp");
    ASSERT_TRUE(RealStore().ExtractFile(&logo, "", work / "logo.tmp"));
    ExpectFileHoldsEntry(work / "logo.tmp", RealStore(), logo);
    ASSERT_TRUE(RealStore().ExtractFile(&logo, "License.txt", work / "logo2.tmp"));
    ExpectFileHoldsEntry(work / "logo2.tmp", RealStore(), logo);
}

TEST(ExtractFile, ReplacesAnExistingLongerFile) {
    WorkFolder work("Replace");
    const TAttachedFile& small = EntryNamed(RealStore(), "Latin.lsc");
    WriteWholeFile(work / "Latin.lsc", std::string(100000, 'x'));
    ASSERT_TRUE(RealStore().ExtractFile(&small, "", work / "Latin.lsc"));
    ExpectFileHoldsEntry(work / "Latin.lsc", RealStore(), small);
}

TEST(ExtractFile, WritesTheEmptyEntryAsAnEmptyFile) {
    WorkFolder work("Empty");
    WriteWholeFile(work / "userdicla.tlx", "old words");
    ASSERT_TRUE(RealStore().ExtractFile(nullptr, "userdicla.tlx", work / "userdicla.tlx"));
    std::string content = "not read";
    ASSERT_TRUE(ReadWholeFile(work / "userdicla.tlx", content));
    EXPECT_EQ(content, "");
    EXPECT_EQ(instutils::FileWriteDate(work / "userdicla.tlx"), EntryNamed(RealStore(), "userdicla.tlx").Time);
}

TEST(ExtractFile, CreatesTheMissingFoldersOfThePath) {
    WorkFolder work("Folders");
    ASSERT_TRUE(RealStore().ExtractFile(nullptr, "la.aff", work / "Spellcheck\\deeper\\la.aff"));
    ExpectFileHoldsEntry(work / "Spellcheck\\deeper\\la.aff", RealStore(), EntryNamed(RealStore(), "la.aff"));
}

TEST(ExtractFile, AnUnknownNameWritesNothing) {
    WorkFolder work("Unknown");
    EXPECT_FALSE(RealStore().ExtractFile(nullptr, "nosuch.txt", work / "nosuch.txt"));
    EXPECT_FALSE(instutils::FileExists(work / "nosuch.txt"));
}

TEST(ExtractFile, OfTwoEntriesWithTheSameNameTheLaterWins) {
    WorkFolder work("Duplicate");
    const auto store = StoreOf({{"same.txt", 44000.0, "earlier"}, {"SAME.TXT", 44000.0, "later"}});
    ASSERT_TRUE(store->ExtractFile(nullptr, "Same.Txt", work / "same.txt"));
    std::string content;
    ASSERT_TRUE(ReadWholeFile(work / "same.txt", content));
    EXPECT_EQ(content, "later");
}

// Every entry of the real payload comes back with its own time, and then counts as unchanged.
TEST(ExtractFile, TheWrittenFileCarriesTheEntrysTimeSoItCountsAsUnchanged) {
    WorkFolder work("Times");
    TAttachedFiles& store = RealStore();
    const size_t queuedBefore = store.Queues[0].size();
    for (const TAttachedFile& entry : store.Entries) {
        SCOPED_TRACE(entry.Name);
        ASSERT_TRUE(store.ExtractFile(&entry, "", work / entry.Name));
        EXPECT_EQ(instutils::FileWriteDate(work / entry.Name), entry.Time);
        payload::LocalDateTime expected{};
        ASSERT_TRUE(payload::DecodeDateTime(entry.Time, expected));
        const SYSTEMTIME written = LocalLastWriteTime(work / entry.Name);
        EXPECT_EQ(written.wYear, expected.year);
        EXPECT_EQ(written.wMonth, expected.month);
        EXPECT_EQ(written.wDay, expected.day);
        EXPECT_EQ(written.wHour, expected.hour);
        EXPECT_EQ(written.wMinute, expected.minute);
        EXPECT_EQ(written.wSecond, expected.second);
        EXPECT_FALSE(store.AddFileToInstall(entry.Name, work.path(), 0, payload::InstallIfChanged));
    }
    EXPECT_EQ(store.Queues[0].size(), queuedBefore);
}

// Parameter types have external linkage: the test classes made from them do.
struct TimeCase {
    const char* name;
    double entryTime;
    double expectedTime;  // NaN: the time of writing
};

namespace {

const double kTimeOfWriting = std::numeric_limits<double>::quiet_NaN();

const TimeCase kTimeCases[] = {
    {"FirstDosSecond", LocalTime(1980, 1, 1, 0, 0, 0), LocalTime(1980, 1, 1, 0, 0, 0)},
    {"LastSecondOf2099", LocalTime(2099, 12, 31, 23, 59, 58), LocalTime(2099, 12, 31, 23, 59, 58)},
    {"OddSecondDropsToEven", LocalTime(2018, 6, 20, 11, 11, 3), LocalTime(2018, 6, 20, 11, 11, 2)},
    {"FractionOfASecondIsDropped", LocalTime(2018, 6, 20, 11, 11, 2) + 1.5 / 86400, LocalTime(2018, 6, 20, 11, 11, 2)},
    {"LastSecondOf1979", LocalTime(1979, 12, 31, 23, 59, 58), kTimeOfWriting},
    {"Year1902", 1000.0, kTimeOfWriting},
    {"BeforeTheEpoch", -700.25, kTimeOfWriting},
    {"Year2100", LocalTime(2100, 1, 1, 0, 0, 0), kTimeOfWriting},
    {"Year2107", LocalTime(2107, 6, 1, 12, 0, 0), kTimeOfWriting},
    {"NotANumber", std::numeric_limits<double>::quiet_NaN(), kTimeOfWriting},
};

} // namespace

class EntryTimeTest : public ::testing::TestWithParam<TimeCase> {};

TEST_P(EntryTimeTest, IsSetAtDosResolutionOnlyFor1980To2099) {
    const TimeCase& c = GetParam();
    WorkFolder work(std::string("Time") + c.name);
    const auto store = StoreOf({{"dated.txt", c.entryTime, "dated"}});
    const double before = Now();
    ASSERT_TRUE(store->ExtractFile(nullptr, "dated.txt", work / "dated.txt"));
    const double after = Now();
    const double written = instutils::FileWriteDate(work / "dated.txt");
    if (std::isnan(c.expectedTime)) {
        EXPECT_GE(written, before - 3.0 / 86400);
        EXPECT_LE(written, after + 3.0 / 86400);
    } else {
        EXPECT_EQ(written, c.expectedTime);
    }
}

INSTANTIATE_TEST_SUITE_P(Store, EntryTimeTest, ::testing::ValuesIn(kTimeCases),
                         [](const ::testing::TestParamInfo<TimeCase>& info) { return std::string(info.param.name); });
