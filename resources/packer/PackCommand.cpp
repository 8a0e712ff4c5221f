#include "resources/packer/Arguments.h"
#include "resources/packer/Commands.h"
#include "resources/packer/Fault.h"
#include "resources/packer/FileIo.h"
#include "resources/packer/Manifest.h"
#include "resources/packer/ProducerRules.h"
#include "resources/packer/SourceFinder.h"
#include "resources/packer/ZopfliStream.h"

#include <cstdio>
#include <filesystem>

namespace packer {
namespace {

std::string JoinRoots(const std::vector<std::string>& roots) {
    std::string joined;
    for (const std::string& root : roots)
        joined += (joined.empty() ? "" : ", ") + root;
    return joined;
}

std::string Where(const std::string& manifestPath, const ManifestEntry& entry) {
    return manifestPath + ":" + std::to_string(entry.line);
}

// Checks the names and times of all lines first, so a bad line is reported before any file
// is read.
void CheckEntries(const std::vector<ManifestEntry>& entries, const std::string& manifestPath) {
    if (entries.empty())
        throw Fault(manifestPath + ": the manifest lists no entries");
    NameRegister names;
    for (size_t i = 0; i < entries.size(); ++i) {
        const ManifestEntry& entry = entries[i];
        std::string fault = NameFault(entry.name);
        if (fault.empty())
            fault = LocalTimeFault(entry.time);
        if (!fault.empty())
            throw Fault(Where(manifestPath, entry) + ": '" + entry.name + "': " + fault);
        if (const std::optional<size_t> earlier = names.Add(entry.name, i))
            throw Fault(Where(manifestPath, entry) + ": the name '" + entry.name +
                        "' is already used by line " + std::to_string(entries[*earlier].line) +
                        " ('" + entries[*earlier].name +
                        "'); names must differ in more than letter case");
    }
}

std::vector<unsigned char> ReadSource(const ManifestEntry& entry, const std::string& manifestPath,
                                      const std::vector<std::string>& roots) {
    const std::string path = FindSource(entry.source, roots);
    if (path.empty())
        throw Fault(Where(manifestPath, entry) + ": the source '" + entry.source +
                    "' is not in any --root folder (" + JoinRoots(roots) + ")");
    const std::string fault = SizeFault(std::filesystem::file_size(path));
    if (!fault.empty())
        throw Fault(Where(manifestPath, entry) + ": " + path + ": " + fault);
    return ReadWholeFile(path);
}

} // namespace

void RunPack(const Words& words) {
    const Arguments arguments = ParseArguments(words, {"--manifest", "--root", "--out", "--iterations"});
    if (!arguments.positional.empty())
        throw UsageFault("pack takes no file names outside its options");
    const std::string manifestPath = arguments.Required("--manifest");
    const std::string outputPath = arguments.Required("--out");
    const std::vector<std::string> roots = arguments.All("--root");
    if (roots.empty())
        throw UsageFault("pack needs at least one --root");
    const int iterations = arguments.Number("--iterations", kDefaultZopfliIterations, 1, 1000);

    const std::vector<ManifestEntry> entries = LoadManifest(manifestPath);
    CheckEntries(entries, manifestPath);
    std::vector<unsigned char> archive;
    for (const ManifestEntry& entry : entries) {
        const std::vector<unsigned char> content = ReadSource(entry, manifestPath, roots);
        payload::AppendEntry(archive, entry.name, payload::EncodeDateTime(entry.time),
                             content.data(), content.size());
    }
    if (archive.size() > kMaxContentBytes)
        throw Fault("the archive would be " + std::to_string(archive.size()) +
                    " bytes; it must stay below 2 GB");

    const std::vector<unsigned char> stream = CompressWithZopfli(archive, iterations);
    WriteFileAtomically(outputPath, stream);
    std::printf("%s: %zu entries, archive %zu bytes, stream %zu bytes\n", outputPath.c_str(),
                entries.size(), archive.size(), stream.size());
}

} // namespace packer
