// The removable-drive test: the decision on the descriptor bytes, and real drives, among them
// drives plugged into the running Wine through its mount manager.
#include "TestSupport.h"

#include "instutils/InstUtils.h"
#include "tools/drivetool/DriveTool.h"

#include <gtest/gtest.h>

#include <vector>

using namespace instutils;
using namespace testsupport;

namespace {

std::vector<unsigned char> Descriptor(uint32_t busType, unsigned char removableMedia, size_t size = 548) {
    std::vector<unsigned char> bytes(size, 0);
    if (size > 10) bytes[10] = removableMedia;
    for (size_t i = 0; i < 4 && 28 + i < size; ++i) bytes[28 + i] = static_cast<unsigned char>(busType >> (8 * i));
    return bytes;
}

TEST(DescriptorSaysRemovable, UsbFireWireOrRemovableMedia) {
    const struct { const char* what; std::vector<unsigned char> bytes; bool removable; } cases[] = {
        {"USB disk", Descriptor(7, 0), true},
        {"FireWire disk", Descriptor(4, 0), true},
        {"removable media on ATA", Descriptor(3, 1), true},
        {"removable media, any non-zero byte", Descriptor(1, 0x80), true},
        {"internal SCSI disk", Descriptor(1, 0), false},
        {"internal ATA disk", Descriptor(3, 0), false},
        {"SATA disk", Descriptor(11, 0), false},
        {"SD card reader bus", Descriptor(12, 0), false},
        {"bus type with higher bytes set", Descriptor(0x0107, 0), false},
        {"nothing filled in", Descriptor(0, 0), false},
        {"just long enough", Descriptor(7, 0, 32), true},
        {"too short for the bus type", Descriptor(7, 1, 31), false},
        {"only the header", Descriptor(0, 1, 12), false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DescriptorSaysRemovable(c.bytes.data(), c.bytes.size()), c.removable) << c.what;
    }
    EXPECT_FALSE(DescriptorSaysRemovable(nullptr, 0));
}

TEST(IsRemovableDrive, InternalAndMissingDrivesAreNot) {
    EXPECT_FALSE(IsRemovableDrive("C:\\"));
    EXPECT_FALSE(IsRemovableDrive("C:"));
    EXPECT_FALSE(IsRemovableDrive("C:\\windows\\system32"));
    EXPECT_FALSE(IsRemovableDrive(std::string(1, UnusedDriveLetter()) + ":\\"));
    EXPECT_FALSE(IsRemovableDrive("relative\\path"));
    EXPECT_FALSE(IsRemovableDrive("\\\\server\\share\\x"));
}

bool DriveShows(char letter, bool present) {
    const DWORD bit = 1u << (letter - 'A');
    for (int i = 0; i < 60; ++i) {  // up to three seconds
        if (((GetLogicalDrives() & bit) != 0) == present) return true;
        Sleep(50);
    }
    return false;
}

// Plugs a drive of one kind over a Unix folder for the life of the object.
class PluggedDrive {
public:
    PluggedDrive(drivetool::DriveKind kind, const std::string& windowsFolder) : letter_(UnusedDriveLetter()) {
        std::string error;
        plugged_ = letter_ != 0 && drivetool::PlugDrive(letter_, kind, UnixPathOf(windowsFolder), error);
        error_ = error;
    }
    ~PluggedDrive() {
        std::string error;
        if (plugged_ && drivetool::UnplugDrive(letter_, error)) DriveShows(letter_, false);
    }
    bool plugged() const { return plugged_; }
    const std::string& error() const { return error_; }
    char letter() const { return letter_; }
    std::string root() const { return std::string(1, letter_) + ":\\"; }

private:
    char letter_;
    bool plugged_ = false;
    std::string error_;
};

TEST(PluggedDrive, RemovableDriveIsRemovable) {
    WorkFolder work;
    MakeFolder(work / "stick");
    MakeFolder(work / "stick\\Larkspur");
    char letter = 0;
    {
        PluggedDrive drive(drivetool::DriveKind::Removable, work / "stick");
        ASSERT_TRUE(drive.plugged()) << drive.error();
        letter = drive.letter();
        ASSERT_TRUE(DriveShows(letter, true)) << "the running program sees the new drive";
        EXPECT_EQ(GetDriveTypeA(drive.root().c_str()), static_cast<UINT>(DRIVE_REMOVABLE));
        EXPECT_EQ(DriveTypeOf(drive.root() + "Larkspur"), static_cast<uint32_t>(DRIVE_REMOVABLE));
        EXPECT_TRUE(IsRemovableDrive(drive.root()));
        EXPECT_TRUE(IsRemovableDrive(drive.root() + "Larkspur\\lwp.exe"));
        EXPECT_TRUE(FolderExists(drive.root() + "Larkspur"));
    }
    EXPECT_TRUE(DriveShows(letter, false)) << "unplugged again";
    EXPECT_FALSE(IsRemovableDrive(std::string(1, letter) + ":\\"));
}

TEST(PluggedDrive, FixedAndCdRomDrivesAreNot) {
    WorkFolder work;
    MakeFolder(work / "disk");
    const struct { drivetool::DriveKind kind; UINT type; } cases[] = {
        {drivetool::DriveKind::Fixed, DRIVE_FIXED},
        {drivetool::DriveKind::CdRom, DRIVE_CDROM},
    };
    for (const auto& c : cases) {
        PluggedDrive drive(c.kind, work / "disk");
        ASSERT_TRUE(drive.plugged()) << drive.error();
        ASSERT_TRUE(DriveShows(drive.letter(), true));
        EXPECT_EQ(GetDriveTypeA(drive.root().c_str()), c.type);
        EXPECT_FALSE(IsRemovableDrive(drive.root())) << "type " << c.type;
    }
}

} // namespace
