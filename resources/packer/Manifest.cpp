#include "resources/packer/Manifest.h"

#include "resources/packer/DateTimeText.h"
#include "resources/packer/Fault.h"
#include "resources/packer/FileIo.h"

namespace packer {
namespace {

constexpr char kLineShape[] = "NAME|SOURCE|YYYY-MM-DD HH:MM:SS";

std::string Trim(const std::string& text) {
    const char* blanks = " \t\r";
    const size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos)
        return "";
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

std::vector<std::string> SplitFields(const std::string& line) {
    std::vector<std::string> fields;
    size_t start = 0;
    for (;;) {
        const size_t bar = line.find('|', start);
        fields.push_back(Trim(line.substr(start, bar - start)));
        if (bar == std::string::npos)
            return fields;
        start = bar + 1;
    }
}

ManifestEntry ParseEntryLine(const std::string& line, const std::string& where) {
    const std::vector<std::string> fields = SplitFields(line);
    if (fields.size() != 3)
        throw Fault(where + ": expected " + kLineShape + ", found " +
                    std::to_string(fields.size()) + " field(s)");
    ManifestEntry entry;
    entry.name = fields[0];
    entry.source = fields[1];
    if (entry.name.empty())
        throw Fault(where + ": the entry name is empty");
    if (entry.source.empty())
        throw Fault(where + ": the source file is empty");
    if (!ParseDateTimeText(fields[2], entry.time))
        throw Fault(where + ": the time '" + fields[2] + "' is not written as YYYY-MM-DD HH:MM:SS");
    return entry;
}

} // namespace

std::vector<ManifestEntry> ParseManifest(const std::string& text, const std::string& where) {
    constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";
    size_t start = text.compare(0, 3, kByteOrderMark) == 0 ? 3 : 0;
    std::vector<ManifestEntry> entries;
    for (int lineNumber = 1; start <= text.size(); ++lineNumber) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        const std::string line = Trim(text.substr(start, end - start));
        start = end + 1;
        if (line.empty() || line[0] == '#')
            continue;
        ManifestEntry entry = ParseEntryLine(line, where + ":" + std::to_string(lineNumber));
        entry.line = lineNumber;
        entries.push_back(std::move(entry));
    }
    return entries;
}

std::vector<ManifestEntry> LoadManifest(const std::string& path) {
    const std::vector<unsigned char> bytes = ReadWholeFile(path);
    return ParseManifest(std::string(bytes.begin(), bytes.end()), path);
}

} // namespace packer
