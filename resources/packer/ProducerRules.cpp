#include "resources/packer/ProducerRules.h"

#include "resources/packer/DateTimeText.h"

#include <cstdio>

namespace packer {

std::string NameFault(const std::string& name) {
    if (name.empty())
        return "the name is empty";
    if (name.size() > kMaxNameBytes)
        return "the name is " + std::to_string(name.size()) + " bytes long; the limit is " +
               std::to_string(kMaxNameBytes);
    return "";
}

std::string SizeFault(uint64_t size) {
    if (size > kMaxContentBytes)
        return "the content is " + std::to_string(size) + " bytes; it must stay below 2 GB";
    return "";
}

std::string LocalTimeFault(const payload::LocalDateTime& t) {
    const std::string text = FormatDateTime(t);
    if (!payload::IsValidLocalDateTime(t))
        return "the time " + text + " is not a real date and time of day";
    if (t.year < 1980 || t.year > 2107)
        return "the time " + text + " lies outside the DOS date range 1980-01-01 to 2107-12-31";
    if (t.second % 2 != 0)
        return "the time " + text + " is on an odd second; DOS date-times keep even seconds only";
    return "";
}

std::string StoredTimeFault(double value) {
    payload::LocalDateTime t{};
    if (!payload::DecodeDateTime(value, t)) {
        char text[96];
        std::snprintf(text, sizeof text, "the time value %.17g is not exactly on a whole second",
                      value);
        return text;
    }
    return LocalTimeFault(t);
}

std::string FoldAsciiCase(const std::string& name) {
    std::string folded = name;
    for (char& c : folded)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return folded;
}

std::optional<size_t> NameRegister::Add(const std::string& name, size_t tag) {
    const auto inserted = tagByFoldedName_.emplace(FoldAsciiCase(name), tag);
    if (inserted.second)
        return std::nullopt;
    return inserted.first->second;
}

} // namespace packer
