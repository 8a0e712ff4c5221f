#include "resources/packer/DateTimeText.h"

#include <cstdio>

namespace packer {
namespace {

constexpr char kPattern[] = "dddd-dd-dd dd:dd:dd";
constexpr size_t kPatternLength = sizeof kPattern - 1;

int Digits(const std::string& text, size_t first, size_t count) {
    int value = 0;
    for (size_t i = first; i < first + count; ++i)
        value = value * 10 + (text[i] - '0');
    return value;
}

} // namespace

bool ParseDateTimeText(const std::string& text, payload::LocalDateTime& t) {
    if (text.size() != kPatternLength)
        return false;
    for (size_t i = 0; i < kPatternLength; ++i) {
        const bool isDigit = text[i] >= '0' && text[i] <= '9';
        if (kPattern[i] == 'd' ? !isDigit : text[i] != kPattern[i])
            return false;
    }
    t.year = Digits(text, 0, 4);
    t.month = Digits(text, 5, 2);
    t.day = Digits(text, 8, 2);
    t.hour = Digits(text, 11, 2);
    t.minute = Digits(text, 14, 2);
    t.second = Digits(text, 17, 2);
    return true;
}

std::string FormatDateTime(const payload::LocalDateTime& t) {
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day,
                  t.hour, t.minute, t.second);
    return text;
}

std::string FormatStoredTime(double value) {
    payload::LocalDateTime t{};
    if (payload::DecodeDateTime(value, t))
        return FormatDateTime(t);
    char text[64];
    std::snprintf(text, sizeof text, "(value %.17g)", value);
    return text;
}

} // namespace packer
