#include "tools/drivetool/DriveTool.h"

#include "platform/Handles.h"

#include <algorithm>

#include <windows.h>
#include <winioctl.h>

namespace drivetool {
namespace {

constexpr DWORD kDefineUnixDrive = CTL_CODE(0x6D, 32, METHOD_BUFFERED, FILE_READ_ACCESS | FILE_WRITE_ACCESS);
constexpr size_t kHeaderSize = 32;
constexpr uint32_t kFileSystemNtfs = 0;  // seen reported as NTFS; a CD-ROM drive shows CDFS anyway
constexpr DWORD kNoSuchDevice = 433;  // ERROR_NO_SUCH_DEVICE: no drive of that letter

void PutLittleEndian(std::vector<unsigned char>& record, size_t offset, uint64_t value, size_t bytes) {
    for (size_t i = 0; i < bytes; ++i) record[offset + i] = static_cast<unsigned char>(value >> (8 * i));
}

std::vector<unsigned char> MakeRecord(char letter, uint32_t driveType, const std::string* mountPoint) {
    const size_t size = kHeaderSize + (mountPoint ? mountPoint->size() + 1 : 0);
    std::vector<unsigned char> record(size, 0);
    PutLittleEndian(record, 0, size, 4);
    PutLittleEndian(record, 4, driveType, 4);
    PutLittleEndian(record, 8, kFileSystemNtfs, 4);
    // serial (12) and device number (16) stay 0
    PutLittleEndian(record, 24, static_cast<unsigned char>(letter), 2);
    if (mountPoint) {
        PutLittleEndian(record, 26, kHeaderSize, 2);
        std::copy(mountPoint->begin(), mountPoint->end(), record.begin() + kHeaderSize);
    }
    // device (28) and label (30) offsets stay 0: none
    return record;
}

std::string LastErrorText(DWORD code) {
    char* text = nullptr;
    const DWORD length = ::FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string message = length ? std::string(text, length) : std::string();
    if (text) ::LocalFree(text);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r' || message.back() == ' '))
        message.pop_back();
    return "error " + std::to_string(code) + (message.empty() ? "" : " (" + message + ")");
}

// On a refusal, `refusal` gets the Windows error code (0 when the manager could not be opened).
bool SendToMountManager(const std::vector<unsigned char>& record, std::string& error, DWORD& refusal) {
    refusal = 0;
    platform::UniqueFile manager(::CreateFileW(L"\\\\.\\MountPointManager", GENERIC_READ | GENERIC_WRITE,
                                               FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!manager) {
        error = "cannot open Wine's mount manager \\\\.\\MountPointManager: " + LastErrorText(::GetLastError()) +
                "; is this running under Wine?";
        return false;
    }
    DWORD returned = 0;
    std::vector<unsigned char> input(record);
    if (!::DeviceIoControl(manager.get(), kDefineUnixDrive, input.data(), static_cast<DWORD>(input.size()),
                           nullptr, 0, &returned, nullptr)) {
        refusal = ::GetLastError();
        error = "the mount manager refused the request: " + LastErrorText(refusal);
        return false;
    }
    return true;
}

} // namespace

bool ParseDriveKind(const std::string& text, DriveKind& kind) {
    std::string lower(text);
    for (char& c : lower) if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (lower == "removable") kind = DriveKind::Removable;
    else if (lower == "fixed") kind = DriveKind::Fixed;
    else if (lower == "cdrom") kind = DriveKind::CdRom;
    else return false;
    return true;
}

bool ParseDriveLetter(const std::string& text, char& letter) {
    if (text.empty() || text.size() > 2 || (text.size() == 2 && text[1] != ':')) return false;
    char c = text[0];
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (c < 'A' || c > 'Z') return false;
    letter = c;
    return true;
}

uint32_t DriveTypeOfKind(DriveKind kind) {
    switch (kind) {
    case DriveKind::Removable: return DRIVE_REMOVABLE;
    case DriveKind::Fixed: return DRIVE_FIXED;
    case DriveKind::CdRom: return DRIVE_CDROM;
    }
    return DRIVE_UNKNOWN;
}

std::vector<unsigned char> DefineDriveRecord(char letter, DriveKind kind, const std::string& unixFolder) {
    return MakeRecord(letter, DriveTypeOfKind(kind), &unixFolder);
}

std::vector<unsigned char> RemoveDriveRecord(char letter) {
    return MakeRecord(letter, DRIVE_NO_ROOT_DIR, nullptr);
}

bool UnixFolderExists(const std::string& unixFolder) {
    using DosNameOf = WCHAR* (CDECL*)(const char*);
    const auto dosNameOf = reinterpret_cast<DosNameOf>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA("kernel32.dll"), "wine_get_dos_file_name")));
    if (!dosNameOf) return false;
    WCHAR* dosName = dosNameOf(unixFolder.c_str());
    if (!dosName) return false;
    const DWORD attributes = ::GetFileAttributesW(dosName);
    ::HeapFree(::GetProcessHeap(), 0, dosName);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool PlugDrive(char letter, DriveKind kind, const std::string& unixFolder, std::string& error) {
    if (unixFolder.empty() || unixFolder[0] != '/') {
        error = "the mount point must be an absolute Unix path: " + unixFolder;
        return false;
    }
    if (!UnixFolderExists(unixFolder)) {
        error = "no such Unix folder: " + unixFolder;
        return false;
    }
    DWORD refusal = 0;
    return SendToMountManager(DefineDriveRecord(letter, kind, unixFolder), error, refusal);
}

bool UnplugDrive(char letter, std::string& error) {
    DWORD refusal = 0;
    if (SendToMountManager(RemoveDriveRecord(letter), error, refusal)) return true;
    if (refusal == kNoSuchDevice) error = std::string("there is no drive ") + letter + ": to unplug";
    return false;
}

} // namespace drivetool
