#include "resources/packer/ArchiveFile.h"
#include "resources/packer/Arguments.h"
#include "resources/packer/Commands.h"
#include "resources/packer/DateTimeText.h"
#include "resources/packer/Fault.h"
#include "resources/packer/ProducerRules.h"

#include <cstdio>

namespace packer {
namespace {

void PrintStream(const LoadedArchive& loaded) {
    const ZlibHeader& header = loaded.header;
    std::printf("stream: %zu bytes, header %02X %02X: method %u, %u KB window, level %u, %s\n",
                loaded.stream.size(), loaded.stream[0], loaded.stream[1], header.method,
                header.windowBytes / 1024, header.level,
                header.presetDictionary ? "preset dictionary" : "no preset dictionary");
    std::printf("stream: Adler-32 %08X matches; %zu byte(s) after the end of the stream\n",
                loaded.archive.adler32, loaded.stream.size() - loaded.archive.streamBytes);
    std::printf("archive: %zu bytes, %zu entries\n", loaded.archive.size, loaded.entries.size());
}

// The first entry that breaks a producer's rule, as "entry N 'name': what".
std::string FirstRuleFault(const std::vector<payload::ArchiveEntry>& entries) {
    NameRegister names;
    for (size_t i = 0; i < entries.size(); ++i) {
        const payload::ArchiveEntry& entry = entries[i];
        const std::string where = "entry " + std::to_string(i) + " '" + entry.name + "': ";
        std::string fault = NameFault(entry.name);
        if (fault.empty())
            fault = SizeFault(static_cast<uint64_t>(entry.size));
        if (fault.empty())
            fault = StoredTimeFault(entry.time);
        if (!fault.empty())
            return where + fault;
        if (const std::optional<size_t> earlier = names.Add(entry.name, i))
            return where + "the name repeats entry " + std::to_string(*earlier) + " '" +
                   entries[*earlier].name + "' (letter case does not count)";
    }
    return "";
}

} // namespace

void RunVerify(const Words& words) {
    const Arguments arguments = ParseArguments(words, {});
    if (arguments.positional.size() != 1)
        throw UsageFault("verify takes one stream file");
    const std::string& path = arguments.positional[0];
    const LoadedArchive loaded = LoadArchive(path);
    PrintStream(loaded);
    for (size_t i = 0; i < loaded.entries.size(); ++i) {
        const payload::ArchiveEntry& entry = loaded.entries[i];
        std::printf("  %3zu  %-32s %10d  %s\n", i, entry.name.c_str(), entry.size,
                    FormatStoredTime(entry.time).c_str());
    }
    RequireWholeArchive(loaded, path);
    const std::string fault = FirstRuleFault(loaded.entries);
    if (!fault.empty())
        throw Fault(path + ": " + fault);
    std::printf("%s: OK\n", path.c_str());
}

} // namespace packer
