#include "instutils/InstUtils.h"
#include "instutils/InstUtilsInternal.h"

#include "platform/Handles.h"

namespace instutils {

// Sweeps the leftovers of every run of this setup, interrupted ones included. The prefix is
// compared byte for byte: a name in other letter case is not ours.
void DeleteTempFiles() {
    const std::string folder = TempFolder();
    const std::string prefix = TempFilePrefix();
    WIN32_FIND_DATAA found;
    platform::UniqueFind search(::FindFirstFileA((folder + "*.*").c_str(), &found));
    if (!search) return;
    do {
        const std::string name = found.cFileName;
        if (name.compare(0, prefix.size(), prefix) == 0) RemoveFolderEntry(folder + name, found.dwFileAttributes);
    } while (::FindNextFileA(search.get(), &found));
}

} // namespace instutils
