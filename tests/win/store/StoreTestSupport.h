// Shared helpers of the store's tests: fixture archives built at run time, a private work
// folder per test, and small file utilities.
#pragma once
#include "payload/AttachFiles.h"

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace storetest {

struct FixtureEntry {
    std::string name;
    double time;
    std::string content;
};

using Bytes = std::vector<unsigned char>;

double LocalTime(int year, int month, int day, int hour, int minute, int second);

Bytes BuildArchive(const std::vector<FixtureEntry>& entries);
Bytes Compress(const Bytes& archive, int level = 9);
Bytes CompressWithDictionary(const Bytes& archive, const std::string& dictionary);
payload::TResourceData ViewOf(const Bytes& stream);
std::unique_ptr<payload::TAttachedFiles> StoreOf(const std::vector<FixtureEntry>& entries);

// The store built from this program's FILES resource, made once for the whole run.
payload::TAttachedFiles& RealStore();
// Frees it (its destructor sweeps the temporary files) while the install utilities still run.
void FreeRealStore();

// The folders the FILES resource was packed from, searched in order for each entry's source
// file. Unix paths are seen through Wine's drive Z:.
void SetPayloadSourceFolders(const std::vector<std::string>& folders);
// The source file of an entry: empty when no folder holds one of that name.
std::string PayloadSourceFile(const std::string& name);

const payload::TAttachedFile& EntryNamed(const payload::TAttachedFiles& store, const std::string& name);
std::string ContentOf(const payload::TAttachedFiles& store, const payload::TAttachedFile& entry);

bool ReadWholeFile(const std::string& path, std::string& content);
void WriteWholeFile(const std::string& path, const std::string& content);
bool IsFolder(const std::string& path);
// Moves a file's last-write time by a number of 100-nanosecond units (negative: older).
void ShiftLastWriteTime(const std::string& path, int64_t units);
constexpr int64_t kFileTimeSecond = 10000000;
constexpr int64_t kFileTimeDay = 86400 * kFileTimeSecond;
// The local calendar time of a file's last write, read without the install utilities.
SYSTEMTIME LocalLastWriteTime(const std::string& path);

// A fresh folder "<parent><name>\" for one test, removed with everything in it at the end.
class WorkFolder {
public:
    explicit WorkFolder(const std::string& name, const std::string& parent = "C:\\storetest\\");
    ~WorkFolder();
    WorkFolder(const WorkFolder&) = delete;
    WorkFolder& operator=(const WorkFolder&) = delete;

    const std::string& path() const { return path_; }  // with a trailing backslash
    std::string operator/(const std::string& name) const { return path_ + name; }

private:
    std::string path_;
};

// "<common application data>\Larkspur\Public\", where the install log's files live.
std::string PublicFolder();

} // namespace storetest
