#include "instutils/InstUtils.h"
#include "instutils/InstUtilsInternal.h"

#include <memory>
#include <vector>

namespace instutils {
namespace {
// Created by the first push, freed at shutdown.
std::unique_ptr<std::vector<std::string>> folderStack;
} // namespace

std::string CurrentFolder() {
    const DWORD needed = ::GetCurrentDirectoryA(0, nullptr);
    std::string folder(needed, '\0');
    if (needed > 0) {
        const DWORD length = ::GetCurrentDirectoryA(needed, &folder[0]);
        folder.resize(length < needed ? length : folder.find('\0'));
    }
    AddTrailingBackslash(folder);
    return folder;
}

void PushCurrentFolder() {
    if (!folderStack) folderStack = std::make_unique<std::vector<std::string>>();
    folderStack->push_back(CurrentFolder());
}

void PopCurrentFolder() {
    if (!folderStack || folderStack->empty()) return;
    ::SetCurrentDirectoryA(folderStack->back().c_str());
    folderStack->pop_back();
}

void FreeFolderStack() {
    folderStack.reset();
}

} // namespace instutils
