// Finds the installed Latin spell checker the way the word processor does: a portable
// installation keeps it beside the program, any other in the machine-wide data folder.
#pragma once
#include <string>
#include <vector>

namespace host {

struct AddonSearch {
    std::vector<std::string> lookedIn;  // the candidate folders, in the order they were tried
    std::string folder;                 // the first of them that holds Latin.lsc; empty if none
};

// The folders that may hold the add-on, each ending in a backslash, "Spellcheck\" first.
std::vector<std::string> AddonFolderCandidates(const std::string& programFolder, bool portable,
                                               const std::string& dataRoot);

// Machine-wide application data, or the documents folder when that is unknown.
std::string DataRoot();

// The folder of the running lwp.exe, without a trailing backslash.
std::string ProgramFolder();

AddonSearch FindAddon();

} // namespace host
