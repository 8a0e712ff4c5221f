#include "instutils/InstUtils.h"

#include "platform/Handles.h"
#include "platform/WideText.h"

#include <windows.h>

namespace instutils {

// The data is a byte string, zero bytes included. Missing folders are not created.
void WriteStringToFile(const std::string& fileName, const std::string& data) {
    platform::UniqueFile file(::CreateFileW(platform::ToWide(fileName).c_str(), GENERIC_READ | GENERIC_WRITE,
                                            FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                                            FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file) return;
    DWORD written = 0;
    ::WriteFile(file.get(), data.data(), static_cast<DWORD>(data.size()), &written, nullptr);
}

} // namespace instutils
