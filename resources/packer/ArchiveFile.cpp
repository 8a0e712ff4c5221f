#include "resources/packer/ArchiveFile.h"

#include "resources/packer/Fault.h"
#include "resources/packer/FileIo.h"

namespace packer {

LoadedArchive LoadArchive(const std::string& path) {
    LoadedArchive loaded;
    loaded.stream = ReadWholeFile(path);
    try {
        ZlibHeaderFault(loaded.stream.data(), loaded.stream.size(), loaded.header);
        loaded.archive = InflateLikeSetup(loaded.stream.data(), loaded.stream.size());
    } catch (const Fault& fault) {
        throw Fault(path + ": " + fault.what());
    }
    loaded.walkError =
        payload::ReadArchive(loaded.archive.data.get(), loaded.archive.size, loaded.entries);
    return loaded;
}

void RequireWholeArchive(const LoadedArchive& loaded, const std::string& path) {
    if (loaded.walkError == payload::ArchiveError::None)
        return;
    const std::string index = std::to_string(loaded.entries.size());
    throw Fault(path + ": the archive is corrupt at entry " + index + " (after " + index +
                " whole entries): " + payload::ArchiveErrorText(loaded.walkError));
}

} // namespace packer
