// The time field's value rule: day number + milliseconds since midnight / 86,400,000, exactly,
// at whole even seconds. The expected numbers were worked out independently of this code.
#include "payload/ArchiveFormat.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

using payload::DecodeDateTime;
using payload::EncodeDateTime;
using payload::IsDosResolutionTime;
using payload::IsValidLocalDateTime;
using payload::LocalDateTime;

namespace {

std::string Text(const LocalDateTime& t) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day,
                  t.hour, t.minute, t.second);
    return text;
}

bool Same(const LocalDateTime& a, const LocalDateTime& b) { return Text(a) == Text(b); }

struct KnownTime { LocalDateTime local; double value; bool dos; };

const std::vector<KnownTime> kKnownTimes = {
    // The nine entries of the payload.
    {{2021, 2, 10, 11, 58, 46}, 44237.49914351852, true},
    {{2013, 4, 6, 21, 31, 14}, 41370.896689814814, true},
    {{2018, 6, 20, 11, 11, 2}, 43271.465995370374, true},
    {{2018, 6, 20, 11, 11, 24}, 43271.46625, true},
    {{2013, 3, 31, 21, 0, 0}, 41364.875, true},
    {{2023, 10, 31, 16, 3, 36}, 45230.66916666667, true},
    {{2018, 6, 20, 12, 7, 2}, 43271.50488425926, true},
    {{2019, 4, 12, 3, 37, 30}, 43567.151041666664, true},
    // The ends of the DOS range and of the calendar, and leap days.
    {{1980, 1, 1, 0, 0, 0}, 29221.0, true},
    {{2107, 12, 31, 23, 59, 58}, 75971.99997685185, true},
    {{2000, 2, 29, 0, 0, 0}, 36585.0, true},
    {{2000, 3, 1, 0, 0, 0}, 36586.0, true},
    {{2100, 2, 28, 23, 59, 58}, 73109.99997685185, true},
    {{2100, 3, 1, 0, 0, 0}, 73110.0, true},
    {{1899, 12, 30, 0, 0, 0}, 0.0, false},
    {{1900, 1, 1, 0, 0, 0}, 2.0, false},
    {{9999, 12, 31, 23, 59, 59}, 2958465.999988426, false},
};

} // namespace

TEST(ArchiveTime, KnownDateTimesEncodeAndDecodeExactly) {
    for (const KnownTime& known : kKnownTimes) {
        SCOPED_TRACE(Text(known.local));
        EXPECT_TRUE(IsValidLocalDateTime(known.local));
        EXPECT_EQ(EncodeDateTime(known.local), known.value);
        LocalDateTime decoded{};
        ASSERT_TRUE(DecodeDateTime(known.value, decoded));
        EXPECT_EQ(Text(decoded), Text(known.local));
        EXPECT_EQ(IsDosResolutionTime(known.value), known.dos);
    }
}

TEST(ArchiveTime, ValuesOffTheRuleAreRejected) {
    const double stored = 44237.49914351852;  // 2021-02-10 11:58:46
    const double oddSecond = EncodeDateTime({2021, 2, 10, 11, 58, 47});
    // 2018-06-20 11:11:24 with the hours, minutes and seconds added as separate fractions: a
    // plausible way to get the last bits wrong.
    const double summedParts = 43271.0 + 11.0 / 24 + 11.0 / 1440 + 24.0 / 86400;
    ASSERT_NE(summedParts, 43271.46625);
    struct Case { const char* what; double value; bool wholeSecond; };
    const std::vector<Case> cases = {
        {"an odd second", oddSecond, true},
        {"half a second later", stored + 500.0 / 86400000.0, false},
        {"a millisecond later", stored + 1.0 / 86400000.0, false},
        {"one step of the double above", std::nextafter(stored, 1e9), false},
        {"one step of the double below", std::nextafter(stored, 0.0), false},
        {"the time of day summed from its parts", summedParts, false},
        {"1979-12-31 23:59:58", EncodeDateTime({1979, 12, 31, 23, 59, 58}), true},
        {"2108-01-01 00:00:00", EncodeDateTime({2108, 1, 1, 0, 0, 0}), true},
        {"a negative day", -1.0, false},
        {"past 9999", 2958466.0, false},
        {"not a number", std::numeric_limits<double>::quiet_NaN(), false},
        {"infinity", std::numeric_limits<double>::infinity(), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        LocalDateTime decoded{};
        EXPECT_EQ(DecodeDateTime(c.value, decoded), c.wholeSecond);
        EXPECT_FALSE(IsDosResolutionTime(c.value));
    }
}

TEST(ArchiveTime, EveryEvenSecondOfTheLastDosDayRoundTrips) {
    for (int second = 0; second < 86400; second += 2) {
        const LocalDateTime t = {2107, 12, 31, second / 3600, second / 60 % 60, second % 60};
        const double value = EncodeDateTime(t);
        LocalDateTime decoded{};
        ASSERT_TRUE(DecodeDateTime(value, decoded)) << Text(t);
        ASSERT_TRUE(Same(decoded, t)) << Text(t) << " came back as " << Text(decoded);
        ASSERT_TRUE(IsDosResolutionTime(value)) << Text(t);
        ASSERT_FALSE(IsDosResolutionTime(EncodeDateTime({2107, 12, 31, t.hour, t.minute, t.second | 1})));
    }
}

TEST(ArchiveTime, EveryDayOfTheDosRangeFollowsTheDayBefore) {
    LocalDateTime day = {1980, 1, 1, 0, 0, 0};
    double previous = EncodeDateTime(day) - 1;
    while (day.year <= 2107) {
        const double midnight = EncodeDateTime(day);
        ASSERT_EQ(midnight, previous + 1) << Text(day);
        for (const LocalDateTime& t : {day, LocalDateTime{day.year, day.month, day.day, 23, 59, 58}}) {
            LocalDateTime decoded{};
            ASSERT_TRUE(DecodeDateTime(EncodeDateTime(t), decoded)) << Text(t);
            ASSERT_TRUE(Same(decoded, t)) << Text(t) << " came back as " << Text(decoded);
        }
        previous = midnight;
        LocalDateTime next{};
        ASSERT_TRUE(DecodeDateTime(midnight + 1, next));
        day = next;
    }
    EXPECT_EQ(previous, 75971.0);
}

TEST(ArchiveTime, CalendarValidity) {
    struct Case { LocalDateTime t; bool valid; };
    const std::vector<Case> cases = {
        {{2020, 2, 29, 0, 0, 0}, true},
        {{2021, 2, 29, 0, 0, 0}, false},
        {{2000, 2, 29, 0, 0, 0}, true},
        {{1900, 2, 29, 0, 0, 0}, false},
        {{2021, 4, 31, 0, 0, 0}, false},
        {{2021, 12, 31, 23, 59, 59}, true},
        {{2021, 13, 1, 0, 0, 0}, false},
        {{2021, 0, 1, 0, 0, 0}, false},
        {{2021, 1, 0, 0, 0, 0}, false},
        {{2021, 1, 1, 24, 0, 0}, false},
        {{2021, 1, 1, 0, 60, 0}, false},
        {{2021, 1, 1, 0, 0, 60}, false},
        {{2021, 1, 1, -1, 0, 0}, false},
        {{1899, 12, 30, 0, 0, 0}, true},
        {{1899, 12, 29, 23, 59, 59}, false},
        {{1898, 12, 31, 0, 0, 0}, false},
        {{10000, 1, 1, 0, 0, 0}, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsValidLocalDateTime(c.t), c.valid) << Text(c.t);
}
