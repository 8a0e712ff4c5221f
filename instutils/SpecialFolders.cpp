#include "instutils/InstUtils.h"
#include "instutils/InstUtilsInternal.h"

#include <cstring>

namespace instutils {
namespace {

constexpr DWORD kCurrentFolderPath = 0;  // SHGFP_TYPE_CURRENT; no create flag, ever

FolderPathFunction provider = nullptr;

std::string SystemFolder() {
    const UINT needed = ::GetSystemDirectoryA(nullptr, 0);
    std::string folder(needed, '\0');
    const UINT length = needed ? ::GetSystemDirectoryA(&folder[0], needed) : 0;
    folder.resize(length < needed ? length : 0);
    return folder;
}

// By full path, never by the default search order: a setup started from a downloads folder
// must not pick up a DLL planted beside it.
HMODULE LoadFromSystemFolder(const char* dll) {
    const std::string system = SystemFolder();
    if (system.empty()) return nullptr;
    return ::LoadLibraryExA(JoinPath(system, dll).c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

FolderPathFunction FolderPathIn(const char* dll) {
    const HMODULE module = LoadFromSystemFolder(dll);
    if (!module) return nullptr;
    return reinterpret_cast<FolderPathFunction>(
        reinterpret_cast<void*>(::GetProcAddress(module, "SHGetFolderPathA")));
}

} // namespace

void LookUpSpecialFolderProvider() {
    provider = FolderPathIn("shell32.dll");
    if (!provider) provider = FolderPathIn("shfolder.dll");
}

FolderPathFunction SpecialFolderProvider() {
    return provider;
}

std::string SpecialFolderPath(int csidl) {
    if (!provider) return std::string();
    char buffer[MAX_PATH] = {};
    if (provider(nullptr, csidl, nullptr, kCurrentFolderPath, buffer) != S_OK) return std::string();
    return std::string(buffer, strnlen(buffer, sizeof buffer));
}

} // namespace instutils
