#include "resources/packer/ArchiveFile.h"
#include "resources/packer/Arguments.h"
#include "resources/packer/Commands.h"
#include "resources/packer/ExtractPath.h"
#include "resources/packer/Fault.h"
#include "resources/packer/FileIo.h"
#include "resources/packer/ProducerRules.h"

#include <cstdio>
#include <filesystem>

namespace packer {
namespace {

// The entry the setup would take for `name`: the last one whose name matches, letter case aside.
const payload::ArchiveEntry* FindEntry(const std::vector<payload::ArchiveEntry>& entries,
                                       const std::string& name) {
    const std::string wanted = FoldAsciiCase(name);
    for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry)
        if (FoldAsciiCase(entry->name) == wanted)
            return &*entry;
    return nullptr;
}

std::vector<const payload::ArchiveEntry*> ChooseEntries(const LoadedArchive& loaded,
                                                        const std::vector<std::string>& names,
                                                        const std::string& path) {
    std::vector<const payload::ArchiveEntry*> chosen;
    if (names.empty()) {
        for (const payload::ArchiveEntry& entry : loaded.entries)
            chosen.push_back(&entry);
        return chosen;
    }
    for (const std::string& name : names) {
        const payload::ArchiveEntry* entry = FindEntry(loaded.entries, name);
        if (!entry)
            throw Fault(path + ": no entry is named '" + name + "'");
        chosen.push_back(entry);
    }
    return chosen;
}

} // namespace

void RunExtract(const Words& words) {
    const Arguments arguments = ParseArguments(words, {});
    if (arguments.positional.size() < 2)
        throw UsageFault("extract takes a stream file, an output folder and optional entry names");
    const std::string& path = arguments.positional[0];
    const std::string& outputFolder = arguments.positional[1];
    const std::vector<std::string> names(arguments.positional.begin() + 2, arguments.positional.end());

    const LoadedArchive loaded = LoadArchive(path);
    RequireWholeArchive(loaded, path);
    const std::vector<const payload::ArchiveEntry*> chosen = ChooseEntries(loaded, names, path);

    // Every name is checked before the first file is written.
    std::vector<std::string> targets;
    for (const payload::ArchiveEntry* entry : chosen) {
        std::string fault;
        const std::string relative = RelativeExtractPath(entry->name, fault);
        if (relative.empty())
            throw Fault(path + ": refusing to extract '" + entry->name + "': " + fault);
        targets.push_back((std::filesystem::path(outputFolder) / relative).string());
    }
    std::filesystem::create_directories(outputFolder);
    for (size_t i = 0; i < chosen.size(); ++i) {
        PrepareExtractTarget(outputFolder, targets[i]);
        WriteWholeFile(targets[i], loaded.archive.data.get() + chosen[i]->offset,
                       static_cast<size_t>(chosen[i]->size));
        std::printf("%s (%d bytes)\n", targets[i].c_str(), chosen[i]->size);
    }
}

} // namespace packer
