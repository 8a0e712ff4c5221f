// Scratch folders, files and zlib streams for the packer's tests.
#pragma once
#include "payload/ArchiveFormat.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace packer_test {

namespace fs = std::filesystem;
using Bytes = std::vector<unsigned char>;

// A fresh folder under the temporary folder, removed with everything in it.
class TempFolder {
public:
    TempFolder() {
        std::string pattern = (fs::temp_directory_path() / "packer-test-XXXXXX").string();
        if (!::mkdtemp(&pattern[0]))
            throw std::runtime_error("mkdtemp failed");
        path_ = pattern;
    }
    ~TempFolder() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const fs::path& path() const { return path_; }
    std::string operator/(const std::string& name) const { return (path_ / name).string(); }

private:
    fs::path path_;
};

inline void WriteFile(const fs::path& path, const std::string& content) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << content;
}

inline void WriteFile(const fs::path& path, const Bytes& content) {
    WriteFile(path, std::string(content.begin(), content.end()));
}

inline std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline Bytes ReadBytes(const fs::path& path) {
    const std::string text = ReadFile(path);
    return Bytes(text.begin(), text.end());
}

inline void Append(Bytes& archive, const std::string& name, double time, const std::string& content) {
    payload::AppendEntry(archive, name, time, reinterpret_cast<const unsigned char*>(content.data()),
                         content.size());
}

inline Bytes Compress(const Bytes& data, int level = 9) {
    uLongf length = compressBound(static_cast<uLong>(data.size()));
    Bytes stream(length);
    if (compress2(stream.data(), &length, data.data(), static_cast<uLong>(data.size()), level) != Z_OK)
        throw std::runtime_error("compress2 failed");
    stream.resize(length);
    return stream;
}

inline Bytes Uncompress(const Bytes& stream, size_t expectedSize) {
    Bytes data(expectedSize + 1);
    uLongf length = static_cast<uLongf>(data.size());
    if (uncompress(data.data(), &length, stream.data(), static_cast<uLong>(stream.size())) != Z_OK)
        throw std::runtime_error("uncompress failed");
    data.resize(length);
    return data;
}

// The entries in a folder tree, as relative paths.
inline std::vector<std::string> FilesBelow(const fs::path& folder) {
    std::vector<std::string> files;
    if (!fs::exists(folder))
        return files;
    for (const auto& item : fs::recursive_directory_iterator(folder))
        files.push_back(fs::relative(item.path(), folder).string());
    std::sort(files.begin(), files.end());
    return files;
}

} // namespace packer_test
