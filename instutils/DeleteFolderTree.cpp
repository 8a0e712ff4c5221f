#include "instutils/InstUtils.h"
#include "instutils/InstUtilsInternal.h"

#include "platform/Handles.h"
#include "platform/WideText.h"

namespace instutils {
namespace {

// No attribute is changed first: a read-only file stays, and with it every folder above it.
void DeleteContentsAndFolder(const std::string& folder) {
    std::string d(folder);
    AddTrailingBackslash(d);
    {
        WIN32_FIND_DATAA found;
        platform::UniqueFind search(::FindFirstFileA((d + "*.*").c_str(), &found));
        if (search) {
            do {
                const std::string name = found.cFileName;
                if (name != "." && name != "..") RemoveFolderEntry(d + name, found.dwFileAttributes);
            } while (::FindNextFileA(search.get(), &found));
        }
    }
    ::RemoveDirectoryW(platform::ToWide(d).c_str());
}

} // namespace

EntryRemoval RemovalFor(DWORD attributes) {
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) return EntryRemoval::AsFile;
    return (attributes & FILE_ATTRIBUTE_REPARSE_POINT) ? EntryRemoval::AsLink : EntryRemoval::AsTree;
}

// A search through a junction or folder link would reach whatever it points to, maybe a
// user's documents: such an entry is unlinked, never entered.
void RemoveFolderEntry(const std::string& path, DWORD attributes) {
    switch (RemovalFor(attributes)) {
    case EntryRemoval::AsFile: ::DeleteFileW(platform::ToWide(path).c_str()); break;
    case EntryRemoval::AsTree: DeleteContentsAndFolder(path); break;
    case EntryRemoval::AsLink: ::RemoveDirectoryW(platform::ToWide(path).c_str()); break;
    }
}

void DeleteFolderTree(const std::string& folder) {
    // Asked without a trailing backslash, which could make Windows look through a link
    // (a drive root keeps its backslash: "C:" would name the drive's current folder).
    std::string entry(folder);
    const bool driveRoot = entry.size() == 3 && entry[1] == ':';
    if (!driveRoot && entry.size() > 1 && (LastChar(entry) == '\\' || LastChar(entry) == '/')) DeleteLastChar(entry);
    const DWORD attributes = ::GetFileAttributesA(entry.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && RemovalFor(attributes) == EntryRemoval::AsLink) {
        ::RemoveDirectoryW(platform::ToWide(entry).c_str());
        return;
    }
    DeleteContentsAndFolder(folder);
}

} // namespace instutils
