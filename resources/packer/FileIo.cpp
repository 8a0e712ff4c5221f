#include "resources/packer/FileIo.h"

#include "resources/packer/Fault.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace packer {
namespace {

struct CloseFile {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, CloseFile>;

Fault FileFault(const char* what, const std::string& path, int error) {
    return Fault(std::string("cannot ") + what + " " + path + ": " + std::strerror(error));
}

void WriteAll(int descriptor, const unsigned char* data, size_t size, const std::string& path) {
    while (size > 0) {
        const ssize_t written = ::write(descriptor, data, size);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            throw FileFault("write", path, written < 0 ? errno : EIO);
        data += written;
        size -= static_cast<size_t>(written);
    }
}

// Removes the temporary file unless the rename has taken it.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::string& beside) : path_(beside + ".tmp-XXXXXX") {
        descriptor_ = ::mkstemp(&path_[0]);
        if (descriptor_ < 0)
            throw FileFault("create a temporary file beside", beside, errno);
    }
    ~TemporaryFile() {
        if (descriptor_ >= 0)
            ::close(descriptor_);
        if (!renamed_)
            ::unlink(path_.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    void Write(const std::vector<unsigned char>& data) {
        WriteAll(descriptor_, data.data(), data.size(), path_);
        ::fchmod(descriptor_, 0644);  // mkstemp makes it private to the owner
        const int result = ::close(descriptor_);
        descriptor_ = -1;
        if (result != 0)
            throw FileFault("write", path_, errno);
    }
    void RenameTo(const std::string& target) {
        if (::rename(path_.c_str(), target.c_str()) != 0)
            throw FileFault("rename the temporary file to", target, errno);
        renamed_ = true;
    }

private:
    std::string path_;
    int descriptor_ = -1;
    bool renamed_ = false;
};

} // namespace

std::vector<unsigned char> ReadWholeFile(const std::string& path) {
    FilePtr file(std::fopen(path.c_str(), "rb"));
    if (!file)
        throw FileFault("open", path, errno);
    std::vector<unsigned char> data;
    unsigned char buffer[1 << 16];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0)
        data.insert(data.end(), buffer, buffer + got);
    if (std::ferror(file.get()))
        throw FileFault("read", path, errno);
    return data;
}

void WriteWholeFile(const std::string& path, const unsigned char* data, size_t size) {
    FilePtr file(std::fopen(path.c_str(), "wb"));
    if (!file)
        throw FileFault("create", path, errno);
    if (size > 0 && std::fwrite(data, 1, size, file.get()) != size)
        throw FileFault("write", path, errno);
    if (std::fclose(file.release()) != 0)
        throw FileFault("write", path, errno);
}

void WriteFileAtomically(const std::string& path, const std::vector<unsigned char>& data) {
    TemporaryFile temporary(path);
    temporary.Write(data);
    temporary.RenameTo(path);
}

} // namespace packer
