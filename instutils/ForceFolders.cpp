#include "instutils/InstUtils.h"

#include "platform/WideText.h"

#include <windows.h>

namespace instutils {

// Outermost missing folder first. On a missing drive the recursion climbs down to "X:\" and
// "X:" and every creation simply fails.
void ForceFolders(const std::string& path) {
    if (path.empty() || FolderExists(path)) return;
    std::string parent(path);
    if (LastChar(parent) == '\\') DeleteLastChar(parent);
    const size_t cut = parent.find_last_of("\\:");
    parent.resize(cut == std::string::npos ? 0 : cut + 1);
    if (parent.size() < path.size()) ForceFolders(parent);
    ::CreateDirectoryW(platform::ToWide(path).c_str(), nullptr);
}

} // namespace instutils
