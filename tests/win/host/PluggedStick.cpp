#include "tests/win/host/PluggedStick.h"

#include "tests/win/host/TempFile.h"
#include "tools/drivetool/DriveTool.h"

#include <windows.h>

namespace hosttest {

namespace {

char UnusedDriveLetter() {
    const DWORD drives = ::GetLogicalDrives();
    for (char letter = 'Y'; letter >= 'D'; --letter) {
        if (!(drives & (1u << (letter - 'A')))) return letter;
    }
    return 0;
}

// Wine's own export: the Unix path behind a Windows path.
std::string UnixPathOf(const std::string& windowsPath) {
    using UnixNameOf = char*(CDECL*)(const WCHAR*);
    const auto unixNameOf = reinterpret_cast<UnixNameOf>(reinterpret_cast<void*>(
        ::GetProcAddress(::GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    if (!unixNameOf) return std::string();
    const std::wstring wide(windowsPath.begin(), windowsPath.end());  // the temporary path is ASCII
    char* unixName = unixNameOf(wide.c_str());
    if (!unixName) return std::string();
    const std::string result(unixName);
    ::HeapFree(::GetProcessHeap(), 0, unixName);
    return result;
}

} // namespace

PluggedStick::PluggedStick() : folder_(TempFolder() + "lwp-stick-" + std::to_string(::GetCurrentProcessId())) {
    ::CreateDirectoryA(folder_.c_str(), nullptr);
    const std::string unixFolder = UnixPathOf(folder_);
    const char letter = UnusedDriveLetter();
    if (unixFolder.empty() || letter == 0) {
        error_ = "no Unix path for " + folder_ + " or no free drive letter";
        return;
    }
    if (drivetool::PlugDrive(letter, drivetool::DriveKind::Removable, unixFolder, error_)) letter_ = letter;
}

PluggedStick::~PluggedStick() {
    std::string ignored;
    if (letter_) drivetool::UnplugDrive(letter_, ignored);
    ::RemoveDirectoryA(folder_.c_str());
}

std::string PluggedStick::root() const {
    return std::string(1, letter_) + ":\\";
}

} // namespace hosttest
