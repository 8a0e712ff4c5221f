#include "instutils/InstUtils.h"

#include <windows.h>

namespace instutils {

void AddTrailingBackslash(std::string& path) {
    if (path.empty()) return;
    if (path.back() == '\\' || path.back() == '/') path.back() = '\\';
    else path += '\\';
}

std::string JoinPath(const std::string& folder, const std::string& name) {
    std::string joined(folder);
    AddTrailingBackslash(joined);
    return joined + name;
}

char LastChar(const std::string& text) {
    return text.empty() ? '\0' : text.back();
}

void DeleteFirstChar(std::string& text) {
    if (!text.empty()) text.erase(0, 1);
}

void DeleteLastChar(std::string& text) {
    if (!text.empty()) text.pop_back();
}

namespace {
std::string UpperCased(std::string text) {
    if (!text.empty()) ::CharUpperBuffA(&text[0], static_cast<DWORD>(text.size()));
    return text;
}
} // namespace

bool SamePath(const std::string& a, const std::string& b) {
    return UpperCased(a) == UpperCased(b);
}

} // namespace instutils
