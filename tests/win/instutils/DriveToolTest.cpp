// The drive tool: its request records, its arguments, and the program itself.
#include "TestSupport.h"

#include "tools/drivetool/DriveTool.h"

#include <gtest/gtest.h>

#include <vector>

using namespace testsupport;

namespace {

uint32_t Read32(const std::vector<unsigned char>& bytes, size_t offset) {
    return bytes[offset] | (bytes[offset + 1] << 8) | (bytes[offset + 2] << 16) |
           (static_cast<uint32_t>(bytes[offset + 3]) << 24);
}

unsigned Read16(const std::vector<unsigned char>& bytes, size_t offset) {
    return bytes[offset] | (bytes[offset + 1] << 8);
}

TEST(DriveToolRecord, DefineCarriesTypeLetterAndMountPoint) {
    const std::vector<unsigned char> record = drivetool::DefineDriveRecord('E', drivetool::DriveKind::Removable, "/tmp/stick");
    ASSERT_EQ(record.size(), 32u + 11u);
    EXPECT_EQ(Read32(record, 0), record.size());
    EXPECT_EQ(Read32(record, 4), static_cast<uint32_t>(DRIVE_REMOVABLE));
    EXPECT_EQ(Read16(record, 24), static_cast<unsigned>('E'));
    EXPECT_EQ(Read16(record, 26), 32u);                      // mount point
    EXPECT_EQ(Read16(record, 28), 0u);                       // no device
    EXPECT_EQ(Read16(record, 30), 0u);                       // no label
    EXPECT_EQ(std::string(record.begin() + 32, record.end()), std::string("/tmp/stick\0", 11));
}

TEST(DriveToolRecord, RemoveHasNoMountPoint) {
    const std::vector<unsigned char> record = drivetool::RemoveDriveRecord('R');
    ASSERT_EQ(record.size(), 32u);
    EXPECT_EQ(Read32(record, 0), 32u);
    EXPECT_EQ(Read16(record, 24), static_cast<unsigned>('R'));
    EXPECT_EQ(Read16(record, 26), 0u);
}

TEST(DriveToolRecord, KindsMapToDriveTypes) {
    EXPECT_EQ(drivetool::DriveTypeOfKind(drivetool::DriveKind::Removable), static_cast<uint32_t>(DRIVE_REMOVABLE));
    EXPECT_EQ(drivetool::DriveTypeOfKind(drivetool::DriveKind::Fixed), static_cast<uint32_t>(DRIVE_FIXED));
    EXPECT_EQ(drivetool::DriveTypeOfKind(drivetool::DriveKind::CdRom), static_cast<uint32_t>(DRIVE_CDROM));
}

TEST(DriveToolArguments, LettersAndKinds) {
    const struct { const char* text; char letter; } letters[] = {
        {"e", 'E'}, {"E", 'E'}, {"E:", 'E'}, {"z:", 'Z'},
        {"", 0}, {"1", 0}, {"EE", 0}, {"E:\\", 0}, {"E;", 0},
    };
    for (const auto& c : letters) {
        char letter = 0;
        EXPECT_EQ(drivetool::ParseDriveLetter(c.text, letter), c.letter != 0) << c.text;
        if (c.letter) {
            EXPECT_EQ(letter, c.letter) << c.text;
        }
    }
    drivetool::DriveKind kind = drivetool::DriveKind::Fixed;
    EXPECT_TRUE(drivetool::ParseDriveKind("Removable", kind));
    EXPECT_EQ(kind, drivetool::DriveKind::Removable);
    EXPECT_TRUE(drivetool::ParseDriveKind("cdrom", kind));
    EXPECT_EQ(kind, drivetool::DriveKind::CdRom);
    EXPECT_TRUE(drivetool::ParseDriveKind("fixed", kind));
    EXPECT_EQ(kind, drivetool::DriveKind::Fixed);
    EXPECT_FALSE(drivetool::ParseDriveKind("network", kind));
    EXPECT_FALSE(drivetool::ParseDriveKind("", kind));
}

std::string DriveToolProgram() {
    char self[MAX_PATH + 1] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string path(self);
    return path.substr(0, path.find_last_of('\\') + 1) + "drivetool.exe";
}

// The exit code of drivetool.exe with these arguments.
int RunDriveTool(const std::string& arguments) {
    return RunProgram("\"" + DriveToolProgram() + "\" " + arguments);
}

TEST(DriveToolProgram, RefusesBadInput) {
    const char letter = UnusedDriveLetter();
    const std::string l(1, letter);
    const struct { std::string arguments; int exitCode; } cases[] = {
        {"", 2},
        {"eject E", 2},
        {"plug", 2},
        {"plug " + l + " removable", 2},
        {"plug 1 removable /tmp", 2},
        {"plug " + l + " floppy /tmp", 2},
        {"plug " + l + " removable relative/folder", 2},
        {"plug " + l + " removable /no/such/folder/anywhere", 1},
        {"unplug", 2},
        {"unplug " + l + " extra", 2},
        {"unplug " + l, 1},  // no such drive
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RunDriveTool(c.arguments), c.exitCode) << "drivetool " << c.arguments;
    }
    EXPECT_EQ(GetLogicalDrives() & (1u << (letter - 'A')), 0u);
}

TEST(DriveToolProgram, PlugsAndUnplugsADrive) {
    WorkFolder work;
    MakeFolder(work / "stick");
    MakeFile(work / "stick\\marker.txt", "on the stick");
    const char letter = UnusedDriveLetter();
    const std::string root = std::string(1, letter) + ":\\";
    ASSERT_EQ(RunDriveTool(std::string("plug ") + letter + ": removable \"" + UnixPathOf(work / "stick") + "\""), 0);
    bool seen = false;
    for (int i = 0; i < 60 && !seen; ++i, Sleep(50)) seen = GetLogicalDrives() & (1u << (letter - 'A'));
    EXPECT_TRUE(seen);
    EXPECT_EQ(GetDriveTypeA(root.c_str()), static_cast<UINT>(DRIVE_REMOVABLE));
    EXPECT_EQ(ReadWholeFile(root + "marker.txt"), "on the stick");
    ASSERT_EQ(RunDriveTool(std::string("unplug ") + letter), 0);
    bool gone = false;
    for (int i = 0; i < 60 && !gone; ++i, Sleep(50)) gone = !(GetLogicalDrives() & (1u << (letter - 'A')));
    EXPECT_TRUE(gone);
}

} // namespace
