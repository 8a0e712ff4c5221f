#include "tests/win/host/PlacedFiles.h"

#include <windows.h>

namespace hosttest {

PlacedFiles::PlacedFiles(const std::string& sourceFolder, const std::string& targetFolder,
                         const std::vector<std::string>& names) {
    createFolders(targetFolder);
    for (const std::string& name : names) {
        const std::string target = targetFolder + name;
        if (::CopyFileA((sourceFolder + name).c_str(), target.c_str(), FALSE))
            copiedFiles_.push_back(target);
        else
            complete_ = false;
    }
}

PlacedFiles::~PlacedFiles() {
    for (const std::string& file : copiedFiles_) ::DeleteFileA(file.c_str());
    for (auto folder = createdFolders_.rbegin(); folder != createdFolders_.rend(); ++folder)
        ::RemoveDirectoryA(folder->c_str());
}

void PlacedFiles::createFolders(const std::string& folder) {
    // Every backslash after the drive's own ends one level of the path.
    for (size_t end = folder.find('\\', 3); end != std::string::npos; end = folder.find('\\', end + 1)) {
        const std::string level = folder.substr(0, end);
        if (::CreateDirectoryA(level.c_str(), nullptr)) createdFolders_.push_back(level);
    }
}

} // namespace hosttest
