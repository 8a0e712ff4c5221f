// The packing list: which files go into the archive, under which names, with which times.
//
//   # comment
//   NAME|SOURCE|YYYY-MM-DD HH:MM:SS
//
// One entry a line, in archive order; blanks around each field are dropped; blank lines and
// lines starting with '#' are skipped. The time is local time and becomes the entry's time,
// whatever the source file's own date says, so that two builds give the same bytes.
#pragma once
#include "payload/ArchiveFormat.h"

#include <string>
#include <vector>

namespace packer {

struct ManifestEntry {
    std::string name;
    std::string source;
    payload::LocalDateTime time{};
    int line = 0;
};

// `where` names the manifest in messages. Throws a Fault "where:line: ..." for a line that
// does not have that shape; the calendar and the archive's rules are checked by the caller.
std::vector<ManifestEntry> ParseManifest(const std::string& text, const std::string& where);
std::vector<ManifestEntry> LoadManifest(const std::string& path);

} // namespace packer
