// drivetool: plugs and unplugs a drive letter in a running Wine, through Wine's mount manager,
// so that programs already running see the drive come and go (a test can give itself a
// removable drive this way).
//
//   drivetool plug <letter> <removable|fixed|cdrom> <unix-folder>
//   drivetool unplug <letter>
//
// <letter> is "E" or "E:"; <unix-folder> is an absolute Unix path of an existing folder, which
// becomes the root of the drive. Exit code 0 on success, 1 when the request fails, 2 on bad
// input. Example, from a Unix shell with WINEPREFIX set:
//   wine drivetool.exe plug E removable /tmp/stick
#include "tools/drivetool/DriveTool.h"

#include <cstdio>
#include <string>

namespace {

constexpr int kFailed = 1;
constexpr int kBadInput = 2;

int Usage(const char* problem) {
    std::fprintf(stderr,
                 "drivetool: %s\n"
                 "usage: drivetool plug <letter> <removable|fixed|cdrom> <unix-folder>\n"
                 "       drivetool unplug <letter>\n",
                 problem);
    return kBadInput;
}

int Fail(const std::string& message) {
    std::fprintf(stderr, "drivetool: %s\n", message.c_str());
    return kFailed;
}

int Plug(const std::string& letterText, const std::string& kindText, const std::string& folder) {
    char letter = 0;
    drivetool::DriveKind kind = drivetool::DriveKind::Removable;
    if (!drivetool::ParseDriveLetter(letterText, letter)) return Usage(("not a drive letter: " + letterText).c_str());
    if (!drivetool::ParseDriveKind(kindText, kind)) return Usage(("not a drive kind: " + kindText).c_str());
    if (folder.empty() || folder[0] != '/') return Usage(("not an absolute Unix path: " + folder).c_str());
    std::string error;
    if (!drivetool::PlugDrive(letter, kind, folder, error)) return Fail(error);
    std::printf("drivetool: %c: plugged as %s drive over %s\n", letter, kindText.c_str(), folder.c_str());
    return 0;
}

int Unplug(const std::string& letterText) {
    char letter = 0;
    if (!drivetool::ParseDriveLetter(letterText, letter)) return Usage(("not a drive letter: " + letterText).c_str());
    std::string error;
    if (!drivetool::UnplugDrive(letter, error)) return Fail(error);
    std::printf("drivetool: %c: unplugged\n", letter);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "plug") {
        if (argc != 5) return Usage("plug takes a letter, a drive kind and a Unix folder");
        return Plug(argv[2], argv[3], argv[4]);
    }
    if (command == "unplug") {
        if (argc != 3) return Usage("unplug takes a drive letter");
        return Unplug(argv[2]);
    }
    return Usage(command.empty() ? "no command given" : ("unknown command: " + command).c_str());
}
