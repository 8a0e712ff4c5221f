#include "resources/packer/ArchiveFile.h"
#include "resources/packer/Arguments.h"
#include "resources/packer/Commands.h"
#include "resources/packer/DateTimeText.h"
#include "resources/packer/Fault.h"

#include <cstdio>

namespace packer {

void RunList(const Words& words) {
    const Arguments arguments = ParseArguments(words, {});
    if (arguments.positional.size() != 1)
        throw UsageFault("list takes one stream file");
    const std::string& path = arguments.positional[0];
    const LoadedArchive loaded = LoadArchive(path);

    std::printf("%5s  %-32s %10s  %-19s  %10s\n", "index", "name", "size", "time (local)", "offset");
    for (size_t i = 0; i < loaded.entries.size(); ++i) {
        const payload::ArchiveEntry& entry = loaded.entries[i];
        std::printf("%5zu  %-32s %10d  %-19s  %10d\n", i, entry.name.c_str(), entry.size,
                    FormatStoredTime(entry.time).c_str(), entry.offset);
    }
    RequireWholeArchive(loaded, path);
}

} // namespace packer
