// Plugging and unplugging drive letters in a running Wine, through Wine's mount manager: the
// define-drive request that Wine's own configuration tool sends. Windows programs already
// running see the change, which a symlink added to the prefix's dosdevices folder does not give.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace drivetool {

enum class DriveKind { Removable, Fixed, CdRom };

// "removable", "fixed" or "cdrom" (any letter case).
bool ParseDriveKind(const std::string& text, DriveKind& kind);
// "e", "E" or "E:"; gives the upper-case letter.
bool ParseDriveLetter(const std::string& text, char& letter);
// The drive type that GetDriveTypeA reports for a drive of that kind.
uint32_t DriveTypeOfKind(DriveKind kind);

// The request records, as the mount manager reads them: a 32-byte header (size, drive type,
// file-system type, serial, 64-bit device number, the letter as one UTF-16 unit, then the
// offsets of mount point, device and label) followed by the zero-terminated Unix mount point.
// A mount-point offset of 0 asks for the removal of the drive.
std::vector<unsigned char> DefineDriveRecord(char letter, DriveKind kind, const std::string& unixFolder);
std::vector<unsigned char> RemoveDriveRecord(char letter);

// True when the Unix path names an existing folder, as Wine maps it for Windows programs.
bool UnixFolderExists(const std::string& unixFolder);

// Both return false with a message in `error` when the request cannot be made or is refused.
bool PlugDrive(char letter, DriveKind kind, const std::string& unixFolder, std::string& error);
bool UnplugDrive(char letter, std::string& error);

} // namespace drivetool
