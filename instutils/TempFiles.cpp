#include "instutils/InstUtils.h"

#include <windows.h>

namespace instutils {

namespace {
std::string TempPath() {
    const DWORD needed = ::GetTempPathA(0, nullptr);
    std::string path(needed, '\0');
    if (needed > 0) ::GetTempPathA(needed, &path[0]);
    return path.substr(0, path.find('\0'));
}
} // namespace

std::string TempFolder() {
    std::string folder = TempPath();
    if (!FolderExists(folder)) folder = SpecialFolderPath(kCsidlPersonal);
    AddTrailingBackslash(folder);
    return folder;
}

std::string TempFilePrefix() {
    std::string prefix = "~";
    for (const char* c = SetupTitle; *c; ++c) {
        if ((*c >= 'A' && *c <= 'Z') || (*c >= 'a' && *c <= 'z')) prefix += *c;
    }
    return prefix;
}

// Nothing is created: the caller writes the file at once.
std::string MakeTempFileName() {
    const std::string stem = TempFolder() + TempFilePrefix();
    std::string name;
    unsigned long long number = 0;
    do {
        name = stem + std::to_string(number++) + ".tmp";
    } while (FileExists(name));
    return name;
}

} // namespace instutils
