// libFuzzer target: any bytes as an inflated archive. The walk must stay inside the buffer
// (AddressSanitizer watches), and what it reports must rebuild the bytes it walked exactly.
#include "payload/ArchiveFormat.h"

#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

void Require(bool condition) {
    if (!condition)
        std::abort();
}

void CheckTime(double value) {
    payload::LocalDateTime t{};
    if (payload::DecodeDateTime(value, t)) {
        Require(payload::IsValidLocalDateTime(t));
        Require(payload::EncodeDateTime(t) == value);
    } else {
        Require(!payload::IsDosResolutionTime(value));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    // A private copy of exactly `size` bytes, so a read past the end is caught.
    std::vector<unsigned char> archive(data, data + size);
    std::vector<payload::ArchiveEntry> entries;
    const payload::ArchiveError error = payload::ReadArchive(archive.data(), archive.size(), entries);

    std::vector<unsigned char> rebuilt;
    for (const payload::ArchiveEntry& entry : entries) {
        Require(entry.size >= 0 && entry.offset >= 0);
        Require(static_cast<size_t>(entry.offset) + static_cast<size_t>(entry.size) <= size);
        payload::AppendEntry(rebuilt, entry.name, entry.time, archive.data() + entry.offset,
                             static_cast<size_t>(entry.size));
        Require(static_cast<size_t>(entry.offset) + static_cast<size_t>(entry.size) == rebuilt.size());
        CheckTime(entry.time);
    }
    Require(rebuilt.size() <= size);
    Require(rebuilt.empty() || std::memcmp(rebuilt.data(), archive.data(), rebuilt.size()) == 0);
    // A clean walk covers every byte; a failed one stops where a whole entry ended.
    Require((error == payload::ArchiveError::None) == (rebuilt.size() == size));
    return 0;
}
