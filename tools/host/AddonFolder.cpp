#include "tools/host/AddonFolder.h"

#include "instutils/InstUtils.h"

#include <windows.h>

namespace host {

namespace {

const char* const kSpellFolders[] = {"Spellcheck\\", "Orthographe\\"};

} // namespace

std::vector<std::string> AddonFolderCandidates(const std::string& programFolder, bool portable,
                                               const std::string& dataRoot) {
    const std::string base = portable ? instutils::JoinPath(programFolder, "")
                                      : instutils::JoinPath(dataRoot, "Larkspur\\Public\\");
    std::vector<std::string> candidates;
    for (const char* spellFolder : kSpellFolders) candidates.push_back(base + spellFolder);
    return candidates;
}

std::string DataRoot() {
    const std::string common = instutils::SpecialFolderPath(instutils::kCsidlCommonAppData);
    return common.empty() ? instutils::SpecialFolderPath(instutils::kCsidlPersonal) : common;
}

std::string ProgramFolder() {
    std::string path(MAX_PATH, '\0');
    for (;;) {
        const DWORD length = ::GetModuleFileNameA(nullptr, &path[0], static_cast<DWORD>(path.size()));
        if (length == 0) return std::string();
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);  // truncated: try a larger buffer
    }
    const size_t slash = path.find_last_of('\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

AddonSearch FindAddon() {
    const std::string programFolder = ProgramFolder();
    const bool portable = instutils::IsRemovableDrive(programFolder);
    AddonSearch search;
    search.lookedIn = AddonFolderCandidates(programFolder, portable, portable ? std::string() : DataRoot());
    for (const std::string& folder : search.lookedIn) {
        if (instutils::FileExists(instutils::JoinPath(folder, "Latin.lsc"))) {
            search.folder = folder;
            break;
        }
    }
    return search;
}

} // namespace host
