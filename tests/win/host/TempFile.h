// A file in the temporary folder, written by a test and deleted at the end of it.
#pragma once
#include <windows.h>

#include <string>

namespace hosttest {

class TempFile {
public:
    // name is a plain file name; the file is made in the temporary folder.
    TempFile(const std::string& name, const std::string& content);
    ~TempFile() { ::DeleteFileA(path_.c_str()); }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    const std::string& path() const { return path_; }

private:
    std::string path_;
};

std::string TempFolder();

// The whole file, or an empty text when it cannot be read.
std::string ReadWholeFile(const std::string& path);

} // namespace hosttest
