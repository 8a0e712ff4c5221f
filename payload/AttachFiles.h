// The attached-files store: the setup's one view of its payload. It inflates the FILES resource
// into memory once, lists the archive's entries, writes single entries as files with their
// date-times, and queues entries for installation by their install kinds.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace payload {

// ---- Construction errors ------------------------------------------------------------------
enum class TPayloadFault {
    MissingResource,
    EmptyResource,
    BadHeader,         // not a zlib header, not DEFLATE, or a window above 32 KB
    PresetDictionary,
    TruncatedStream,   // the input ends before the end of the stream
    WrongChecksum,     // the Adler-32 trailer does not match the inflated bytes
    CorruptData,       // the DEFLATE data does not inflate
    EntryPastEnd,      // an archive entry runs past the end of the inflated bytes
    OutOfMemory,
};

class EPayloadError : public std::runtime_error {
public:
    EPayloadError(TPayloadFault fault, const std::string& message);
    TPayloadFault Fault() const { return fault_; }

private:
    TPayloadFault fault_;
};

// ---- Resource bytes and inflating ---------------------------------------------------------
// Bytes of a resource of the running program, read in place. Null when there is no such resource.
struct TResourceData {
    const unsigned char* Bytes = nullptr;
    size_t Size = 0;
};
TResourceData GetResourceData(const char* name, const char* type);

struct TFreeHeapBlock {
    void operator()(unsigned char* block) const { std::free(block); }
};
// A block from malloc/realloc: it is grown and shrunk in place while inflating.
using THeapBlock = std::unique_ptr<unsigned char, TFreeHeapBlock>;

struct TDecompressedBlock {
    THeapBlock OutBuf;
    size_t OutBytes = 0;
};
// Inflates one complete zlib stream held in memory. The first block holds OutEstimate bytes (or
// the growth step when that is 0); it grows by InBytes rounded up to 256 and is shrunk to the
// exact length at the end. Throws EPayloadError.
TDecompressedBlock DecompressBuffer(const void* InBuf, size_t InBytes, size_t OutEstimate);

// ---- The store ----------------------------------------------------------------------------
using TDateTime = double;  // days since 30 December 1899, local time

// Install kinds: when AddFileToInstall queues an entry.
constexpr uint8_t InstallIfMissing = 0;  // no file at the target
constexpr uint8_t InstallIfChanged = 1;  // no file at the target, or its time differs
constexpr uint8_t InstallAlways = 2;

struct TAttachedFile {
    std::string Name;
    int32_t Size = 0;
    TDateTime Time = 0;
    int32_t Offset = 0;  // first content byte in TAttachedFiles::Data
};

struct TFileToInstall {
    const TAttachedFile* AttachedFile = nullptr;  // an entry of the store, not owned
    std::string TargetPath;
};

class TAttachedFiles {
public:
    // From the program's FILES resource.
    TAttachedFiles();
    // From a compressed stream held elsewhere (the resource bytes, or any other zlib stream of
    // an archive). A null or empty stream is reported as a missing or empty resource.
    explicit TAttachedFiles(const TResourceData& compressed);
    // Frees everything, then sweeps the setup's temporary files away.
    ~TAttachedFiles();
    TAttachedFiles(const TAttachedFiles&) = delete;
    TAttachedFiles& operator=(const TAttachedFiles&) = delete;

    // Writes one entry to Path (the entry given, or else the last entry named Name). When the
    // file cannot be written the user chooses: Abort gives false, Ignore true, Retry tries again.
    // An unknown name writes nothing and gives false.
    bool ExtractFile(const TAttachedFile* AttachedFile, const std::string& Name, const std::string& Path);

    // Queues the entry Name (or, for a Name ending in a backslash, every entry under it) for
    // installation into Folder by the install kind. True when anything was queued.
    bool AddFileToInstall(const std::string& Name, const std::string& Folder, uint8_t QueueIndex, uint8_t Kind);

    THeapBlock Data;                          // the inflated archive
    int32_t DataSize = 0;
    std::vector<TAttachedFile> Entries;       // archive order; fixed after construction
    std::array<std::vector<TFileToInstall>, 1> Queues;
    std::vector<std::string> PublicFiles;     // queued targets in the shared Public folder
    // Every kind but InstallIfMissing acts as InstallAlways. An existing InstallIfMissing file
    // is kept even then: it is the user's own dictionary, and rewriting it loses their words.
    bool ForceOverwrite = false;

private:
    bool QueueEntry(const TAttachedFile& entry, const std::string& folder, uint8_t queueIndex,
                    uint8_t kind, uint8_t effectiveKind);
    void CollectIfPublic(const std::string& targetPath, uint8_t kind);
    const TAttachedFile* FindLastEntryNamed(const std::string& name) const;
    bool TryWriteEntry(const TAttachedFile& entry, const std::string& path) const;
};

// While true, AddFileToInstall notes the targets in "<common app data>\Larkspur\Public\".
extern bool CollectPublicFiles;

// The store of this run: start-up creates it here and frees it at the end.
extern TAttachedFiles* AttachedFiles;

// Sets a file's last-write time from a local date-time at DOS resolution. Years outside
// 1980..2099 set nothing, and so does a file that cannot be opened.
void SetFileWriteDate(const std::string& path, TDateTime time);

} // namespace payload
