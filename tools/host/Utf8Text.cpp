#include "tools/host/Utf8Text.h"

#include "platform/WideText.h"

#include <windows.h>

namespace host {

std::string AnsiToUtf8(const std::string& text) {
    const std::wstring wide = platform::ToWide(text);
    if (wide.empty()) return std::string();
    const int length = static_cast<int>(wide.size());
    const int needed = ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
    if (needed <= 0) return std::string();
    std::string utf8(static_cast<size_t>(needed), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, &utf8[0], needed, nullptr, nullptr);
    return utf8;
}

} // namespace host
