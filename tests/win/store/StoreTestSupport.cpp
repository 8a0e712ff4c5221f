#include "StoreTestSupport.h"

#include "instutils/InstUtils.h"
#include "payload/ArchiveFormat.h"
#include "platform/Handles.h"
#include "platform/WideText.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <stdexcept>

namespace storetest {

double LocalTime(int year, int month, int day, int hour, int minute, int second) {
    return payload::EncodeDateTime({year, month, day, hour, minute, second});
}

Bytes BuildArchive(const std::vector<FixtureEntry>& entries) {
    Bytes archive;
    for (const FixtureEntry& e : entries)
        payload::AppendEntry(archive, e.name, e.time, reinterpret_cast<const unsigned char*>(e.content.data()),
                             e.content.size());
    return archive;
}

Bytes Compress(const Bytes& archive, int level) {
    uLongf size = compressBound(static_cast<uLong>(archive.size()));
    Bytes stream(size);
    if (compress2(stream.data(), &size, archive.data(), static_cast<uLong>(archive.size()), level) != Z_OK)
        throw std::runtime_error("compress2 failed");
    stream.resize(size);
    return stream;
}

Bytes CompressWithDictionary(const Bytes& archive, const std::string& dictionary) {
    z_stream z{};
    if (deflateInit(&z, 9) != Z_OK) throw std::runtime_error("deflateInit failed");
    deflateSetDictionary(&z, reinterpret_cast<const Bytef*>(dictionary.data()), static_cast<uInt>(dictionary.size()));
    Bytes stream(deflateBound(&z, static_cast<uLong>(archive.size())) + 64);
    z.next_in = const_cast<Bytef*>(archive.data());
    z.avail_in = static_cast<uInt>(archive.size());
    z.next_out = stream.data();
    z.avail_out = static_cast<uInt>(stream.size());
    const int result = deflate(&z, Z_FINISH);
    stream.resize(z.total_out);
    deflateEnd(&z);
    if (result != Z_STREAM_END) throw std::runtime_error("deflate failed");
    return stream;
}

payload::TResourceData ViewOf(const Bytes& stream) { return {stream.data(), stream.size()}; }

std::unique_ptr<payload::TAttachedFiles> StoreOf(const std::vector<FixtureEntry>& entries) {
    const Bytes stream = Compress(BuildArchive(entries));
    return std::make_unique<payload::TAttachedFiles>(ViewOf(stream));
}

namespace {
std::unique_ptr<payload::TAttachedFiles>& RealStoreHolder() {
    static std::unique_ptr<payload::TAttachedFiles> store;
    return store;
}
} // namespace

payload::TAttachedFiles& RealStore() {
    if (!RealStoreHolder()) RealStoreHolder() = std::make_unique<payload::TAttachedFiles>();
    return *RealStoreHolder();
}

void FreeRealStore() { RealStoreHolder().reset(); }

namespace {
std::vector<std::string>& SourceFolders() {
    static std::vector<std::string> folders;
    return folders;
}

std::string AsWindowsPath(std::string path) {
    if (!path.empty() && path[0] == '/') path = "Z:" + path;
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}
} // namespace

void SetPayloadSourceFolders(const std::vector<std::string>& folders) {
    for (const std::string& folder : folders) SourceFolders().push_back(AsWindowsPath(folder));
}

std::string PayloadSourceFile(const std::string& name) {
    for (const std::string& folder : SourceFolders()) {
        const std::string path = instutils::JoinPath(folder, name);
        if (instutils::FileExists(path)) return path;
    }
    return std::string();
}

const payload::TAttachedFile& EntryNamed(const payload::TAttachedFiles& store, const std::string& name) {
    for (const payload::TAttachedFile& entry : store.Entries)
        if (entry.Name == name) return entry;
    throw std::runtime_error("no entry " + name);
}

std::string ContentOf(const payload::TAttachedFiles& store, const payload::TAttachedFile& entry) {
    const char* first = reinterpret_cast<const char*>(store.Data.get()) + entry.Offset;
    return std::string(first, first + entry.Size);
}

bool ReadWholeFile(const std::string& path, std::string& content) {
    platform::UniqueFile file(::CreateFileW(platform::ToWide(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                            OPEN_EXISTING, 0, nullptr));
    if (!file) return false;
    LARGE_INTEGER size;
    if (!::GetFileSizeEx(file.get(), &size)) return false;
    content.assign(static_cast<size_t>(size.QuadPart), '\0');
    DWORD read = 0;
    return content.empty() ||
           (::ReadFile(file.get(), &content[0], static_cast<DWORD>(content.size()), &read, nullptr) &&
            read == content.size());
}

void WriteWholeFile(const std::string& path, const std::string& content) {
    platform::UniqueFile file(::CreateFileW(platform::ToWide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                            FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(file) << path;
    DWORD written = 0;
    ASSERT_TRUE(::WriteFile(file.get(), content.data(), static_cast<DWORD>(content.size()), &written, nullptr));
}

bool IsFolder(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesW(platform::ToWide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void ShiftLastWriteTime(const std::string& path, int64_t units) {
    platform::UniqueFile file(::CreateFileW(platform::ToWide(path).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                            OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(file) << path;
    FILETIME written;
    ASSERT_TRUE(::GetFileTime(file.get(), nullptr, nullptr, &written));
    ULARGE_INTEGER value;
    value.LowPart = written.dwLowDateTime;
    value.HighPart = written.dwHighDateTime;
    value.QuadPart += units;
    written.dwLowDateTime = value.LowPart;
    written.dwHighDateTime = value.HighPart;
    ASSERT_TRUE(::SetFileTime(file.get(), nullptr, nullptr, &written));
}

SYSTEMTIME LocalLastWriteTime(const std::string& path) {
    SYSTEMTIME local{};
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!::GetFileAttributesExW(platform::ToWide(path).c_str(), GetFileExInfoStandard, &data)) return local;
    FILETIME localTime;
    ::FileTimeToLocalFileTime(&data.ftLastWriteTime, &localTime);
    ::FileTimeToSystemTime(&localTime, &local);
    return local;
}

WorkFolder::WorkFolder(const std::string& name, const std::string& parent) : path_(parent + name + "\\") {
    instutils::DeleteFolderTree(path_);
    instutils::ForceFolders(path_);
}

WorkFolder::~WorkFolder() { instutils::DeleteFolderTree(path_); }

std::string PublicFolder() {
    return instutils::JoinPath(instutils::SpecialFolderPath(instutils::kCsidlCommonAppData), "Larkspur\\Public\\");
}

} // namespace storetest
