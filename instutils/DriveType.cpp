#include "instutils/InstUtils.h"

#include <windows.h>

namespace instutils {

std::string DrivePart(const std::string& path) {
    if (path.size() >= 2 && path[1] == ':') return path.substr(0, 2);
    if (path.compare(0, 2, "\\\\") == 0) {
        // \\server\share: up to the backslash that follows the share name
        const size_t afterServer = path.find('\\', 2);
        if (afterServer == std::string::npos) return path;
        const size_t afterShare = path.find('\\', afterServer + 1);
        return afterShare == std::string::npos ? path : path.substr(0, afterShare);
    }
    return std::string();
}

uint32_t DriveTypeOf(const std::string& path) {
    std::string root = DrivePart(path);
    AddTrailingBackslash(root);
    return ::GetDriveTypeA(root.c_str());
}

} // namespace instutils
