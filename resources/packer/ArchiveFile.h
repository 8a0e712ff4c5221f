// A FILES stream on disk, read the way the setup reads its resource: inflated whole, then
// walked entry by entry.
#pragma once
#include "payload/ArchiveFormat.h"
#include "resources/packer/ZlibStream.h"

#include <string>
#include <vector>

namespace packer {

struct LoadedArchive {
    std::vector<unsigned char> stream;
    ZlibHeader header;
    InflatedStream archive;
    std::vector<payload::ArchiveEntry> entries;  // the whole entries, up to a walk error
    payload::ArchiveError walkError = payload::ArchiveError::None;
};

// Throws a Fault "path: ..." when the file cannot be read or the stream does not inflate.
// A walk error is left in `walkError` for the caller to report.
LoadedArchive LoadArchive(const std::string& path);

// Throws a Fault "path: ..." when the walk stopped at a bad entry.
void RequireWholeArchive(const LoadedArchive& loaded, const std::string& path);

} // namespace packer
