#include "platform/WideText.h"

#include <windows.h>

namespace platform {

std::wstring ToWide(const std::string& text) {
    if (text.empty()) return std::wstring();
    const int length = static_cast<int>(text.size());
    const int needed = ::MultiByteToWideChar(CP_ACP, MB_PRECOMPOSED, text.data(), length, nullptr, 0);
    if (needed <= 0) return std::wstring();
    std::wstring wide(static_cast<size_t>(needed), L'\0');
    ::MultiByteToWideChar(CP_ACP, MB_PRECOMPOSED, text.data(), length, &wide[0], needed);
    return wide;
}

} // namespace platform
