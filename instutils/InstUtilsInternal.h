// What the install utilities share among themselves (and with their tests), beyond the
// interface that the rest of the setup uses.
#pragma once
#include <windows.h>
#include <string>

namespace instutils {

// The special-folder provider: SHGetFolderPathA of shell32.dll, else of shfolder.dll, both
// loaded from the system folder only. Null until looked up, or when neither has it.
using FolderPathFunction = HRESULT(WINAPI*)(HWND owner, int csidl, HANDLE token, DWORD flags, LPSTR path);
void LookUpSpecialFolderProvider();
FolderPathFunction SpecialFolderProvider();

void FreeFolderStack();

// How one directory entry found by a search is removed, by its attributes.
enum class EntryRemoval {
    AsFile,  // DeleteFileW
    AsTree,  // a real folder: its contents, then the folder
    AsLink,  // a folder that is a reparse point: RemoveDirectoryW on the link alone
};
EntryRemoval RemovalFor(DWORD attributes);
void RemoveFolderEntry(const std::string& path, DWORD attributes);

} // namespace instutils
