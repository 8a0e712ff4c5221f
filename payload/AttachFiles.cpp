#include "payload/AttachFiles.h"

#include "instutils/InstUtils.h"
#include "payload/ArchiveFormat.h"

#include <cstdint>

namespace payload {

bool CollectPublicFiles = false;
TAttachedFiles* AttachedFiles = nullptr;

namespace {

void RequirePresent(const TResourceData& compressed) {
    if (!compressed.Bytes)
        throw EPayloadError(TPayloadFault::MissingResource, "The setup's FILES resource is missing");
    if (compressed.Size == 0)
        throw EPayloadError(TPayloadFault::EmptyResource, "The setup's FILES resource is empty");
}

// This payload inflates to about four times its size, so one block of five times is enough.
size_t FirstBlockEstimate(size_t compressedSize) {
    return compressedSize <= SIZE_MAX / 5 ? 5 * compressedSize : 0;
}

std::vector<TAttachedFile> ListEntries(const unsigned char* data, size_t size) {
    std::vector<ArchiveEntry> archive;
    const ArchiveError error = ReadArchive(data, size, archive);
    if (error != ArchiveError::None)
        throw EPayloadError(TPayloadFault::EntryPastEnd,
                            std::string("The payload archive is corrupt: ") + ArchiveErrorText(error));
    std::vector<TAttachedFile> entries;
    entries.reserve(archive.size());
    for (ArchiveEntry& entry : archive)
        entries.push_back({std::move(entry.name), entry.size, entry.time, entry.offset});
    return entries;
}

} // namespace

TAttachedFiles::TAttachedFiles() : TAttachedFiles(GetResourceData("FILES", "FILES")) {}

TAttachedFiles::TAttachedFiles(const TResourceData& compressed) {
    RequirePresent(compressed);
    TDecompressedBlock archive =
        DecompressBuffer(compressed.Bytes, compressed.Size, FirstBlockEstimate(compressed.Size));
    Entries = ListEntries(archive.OutBuf.get(), archive.OutBytes);
    Data = std::move(archive.OutBuf);
    DataSize = static_cast<int32_t>(archive.OutBytes);
}

// The temporary-file sweep is the last file-system action of a run, after everything is freed.
TAttachedFiles::~TAttachedFiles() {
    PublicFiles.clear();
    Queues = {};
    Data.reset();
    Entries.clear();
    instutils::DeleteTempFiles();
}

} // namespace payload
