// The install utilities: the path toolkit and the file and disk operations. None of these
// shows a message or throws; a failure comes back as an empty text or false.
#pragma once
#include <cstdint>
#include <string>

namespace instutils {

// ---- Shared values ------------------------------------------------------------------------
extern const char* const SetupTitle;  // "Larkspur Latin Spellchecker - Setup"

// Special-folder ids (CSIDL values) that the setup asks for.
constexpr int kCsidlPersonal = 5;       // the user's documents
constexpr int kCsidlCommonAppData = 35; // machine-wide application data
constexpr int kCsidlProgramFiles = 38;  // program files

// ---- Process start-up and shutdown --------------------------------------------------------
// OleInitialize, and the lookup of SHGetFolderPathA in shell32.dll, else shfolder.dll, both
// loaded from the system folder only. Called once, before anything else.
void InitializeInstUtils();
// Frees the folder stack and calls OleUninitialize. Called once at the end.
void FinalizeInstUtils();

// ---- Paths and special folders ------------------------------------------------------------
void AddTrailingBackslash(std::string& path);
std::string JoinPath(const std::string& folder, const std::string& name);
char LastChar(const std::string& text);        // text must not be empty
void DeleteFirstChar(std::string& text);
void DeleteLastChar(std::string& text);        // text must not be empty
bool SamePath(const std::string& a, const std::string& b);
bool FileExists(const std::string& name);
std::string CurrentFolder();
void PushCurrentFolder();
void PopCurrentFolder();
bool FolderExists(const std::string& path);
std::string SpecialFolderPath(int csidl);
std::string TempFolder();
std::string TempFilePrefix();
std::string MakeTempFileName();
// The drive part of a path: "C:" for "C:\x", "\\server\share" for "\\server\share\x",
// otherwise empty (a relative path).
std::string DrivePart(const std::string& path);
uint32_t DriveTypeOf(const std::string& path);

// ---- File and disk operations -------------------------------------------------------------
void ForceFolders(const std::string& path);
void WriteStringToFile(const std::string& fileName, const std::string& data);
// Neither descends into a reparse point (a junction or a symbolic link to a folder): the link
// itself is removed, what it points to is never touched.
void DeleteFolderTree(const std::string& folder);
void DeleteTempFiles();
double FileWriteDate(const std::string& fileName);
bool IsRemovableDrive(const std::string& path);

// The decision of IsRemovableDrive on the bytes of a STORAGE_DEVICE_DESCRIPTOR, kept apart so
// that it can be tested without a USB or FireWire disk: BusType (offset 28) 4 or 7, or a
// non-zero RemovableMedia (offset 10). Too short a buffer counts as not removable.
bool DescriptorSaysRemovable(const unsigned char* descriptor, size_t size);

} // namespace instutils
