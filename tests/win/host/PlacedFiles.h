// Files copied into place for one test, and taken away again at its end.
#pragma once
#include <string>
#include <vector>

namespace hosttest {

class PlacedFiles {
public:
    // Copies names from sourceFolder into targetFolder (both ending in a backslash), creating
    // missing folders; an empty list just makes the folder.
    PlacedFiles(const std::string& sourceFolder, const std::string& targetFolder,
                const std::vector<std::string>& names);
    // Deletes the copied files, then the folders it created, innermost first.
    ~PlacedFiles();
    PlacedFiles(const PlacedFiles&) = delete;
    PlacedFiles& operator=(const PlacedFiles&) = delete;

    // False when a file could not be copied.
    bool complete() const { return complete_; }

private:
    void createFolders(const std::string& folder);

    std::vector<std::string> copiedFiles_;
    std::vector<std::string> createdFolders_;
    bool complete_ = true;
};

} // namespace hosttest
