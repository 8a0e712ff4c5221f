#include "tests/win/host/TempFile.h"

#include "platform/Handles.h"

namespace hosttest {

std::string TempFolder() {
    char folder[MAX_PATH + 1] = {};
    const DWORD length = ::GetTempPathA(sizeof folder, folder);
    return length > 0 && length < sizeof folder ? std::string(folder, length) : std::string();
}

TempFile::TempFile(const std::string& name, const std::string& content) : path_(TempFolder() + name) {
    platform::UniqueFile file(::CreateFileA(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                            FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    if (file) ::WriteFile(file.get(), content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
}

std::string ReadWholeFile(const std::string& path) {
    platform::UniqueFile file(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return std::string();
    std::string content;
    char buffer[4096];
    DWORD read = 0;
    while (::ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr) && read > 0) content.append(buffer, read);
    return content;
}

} // namespace hosttest
