#include "instutils/InstUtils.h"

#include "platform/Handles.h"

#include <windows.h>

namespace instutils {

bool FileExists(const std::string& name) {
    WIN32_FIND_DATAA found;
    platform::UniqueFind search(::FindFirstFileA(name.c_str(), &found));
    return search && !(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Windows reports the current directory in its normalised absolute form, so only a path given
// in that form (letter case aside) compares equal after entering it.
bool FolderExists(const std::string& path) {
    PushCurrentFolder();
    std::string entered(path);
    AddTrailingBackslash(entered);
    ::SetCurrentDirectoryA(entered.c_str());
    const bool exists = SamePath(CurrentFolder(), entered);
    PopCurrentFolder();
    return exists;
}

} // namespace instutils
