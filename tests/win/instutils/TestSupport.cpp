#include "TestSupport.h"

#include "instutils/InstUtils.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <vector>

namespace testsupport {
namespace {

// Every test program calls the start-up and shutdown steps, as the setup does.
class InstUtilsEnvironment : public testing::Environment {
public:
    void SetUp() override { instutils::InitializeInstUtils(); }
    void TearDown() override { instutils::FinalizeInstUtils(); }
};
testing::Environment* const environment = testing::AddGlobalTestEnvironment(new InstUtilsEnvironment);

std::string TempPath() {
    char buffer[MAX_PATH + 1] = {};
    const DWORD length = GetTempPathA(sizeof buffer, buffer);
    return std::string(buffer, length < sizeof buffer ? length : 0);
}

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

} // namespace

void RemoveTree(const std::string& windowsPath) {
    std::string unixPath = UnixPathOf(windowsPath);
    while (unixPath.size() > 1 && unixPath.back() == '/') unixPath.pop_back();
    if (unixPath.find("/iu-") == std::string::npos) return;
    if (StartUnixCommand("/bin/rm -rf -- " + Quoted(unixPath))) WaitFor([&] { return !Exists(windowsPath); }, 10000);
}

WorkFolder::WorkFolder() {
    static unsigned counter = 0;
    const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
    std::string name = test ? test->name() : "work";
    for (char& c : name) if (!isalnum(static_cast<unsigned char>(c))) c = '-';
    path_ = TempPath() + "iu-" + name + "-" + std::to_string(GetCurrentProcessId()) + "-" +
            std::to_string(++counter) + "\\";
    CreateDirectoryA(path_.c_str(), nullptr);
}

WorkFolder::~WorkFolder() {
    RemoveTree(path_);
}

ScopedVariable::ScopedVariable(const char* name, const std::string& value) : name_(name) {
    char buffer[32768];
    const DWORD length = GetEnvironmentVariableA(name, buffer, sizeof buffer);
    hadOld_ = length > 0 && length < sizeof buffer;
    if (hadOld_) old_.assign(buffer, length);
    SetEnvironmentVariableA(name, value.c_str());
}

ScopedVariable::~ScopedVariable() {
    SetEnvironmentVariableA(name_.c_str(), hadOld_ ? old_.c_str() : nullptr);
}

ScopedCurrentDirectory::ScopedCurrentDirectory(const std::string& folder) : old_(CurrentDirectory()) {
    SetCurrentDirectoryA(folder.c_str());
}

ScopedCurrentDirectory::~ScopedCurrentDirectory() {
    SetCurrentDirectoryA(old_.c_str());
}

std::string CurrentDirectory() {
    char buffer[MAX_PATH + 1] = {};
    const DWORD length = GetCurrentDirectoryA(sizeof buffer, buffer);
    return std::string(buffer, length < sizeof buffer ? length : 0);
}

void MakeFolder(const std::string& path) {
    ASSERT_TRUE(CreateDirectoryA(path.c_str(), nullptr)) << path << ": error " << GetLastError();
}

void MakeFile(const std::string& path, const std::string& content, DWORD attributes) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << path << ": error " << GetLastError();
    DWORD written = 0;
    WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    CloseHandle(file);
    if (attributes) {
        ASSERT_TRUE(SetFileAttributesA(path.c_str(), attributes)) << path;
    }
}

std::string ReadWholeFile(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "<missing>";
    std::string content;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) content.append(buffer, got);
    CloseHandle(file);
    return content;
}

DWORD AttributesOf(const std::string& path) {
    return GetFileAttributesA(path.c_str());
}

bool Exists(const std::string& path) {
    return AttributesOf(path) != INVALID_FILE_ATTRIBUTES;
}

bool IsFolder(const std::string& path) {
    const DWORD attributes = AttributesOf(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

char UnusedDriveLetter() {
    const DWORD drives = GetLogicalDrives();
    for (char letter = 'Y'; letter >= 'D'; --letter) {
        if (!(drives & (1u << (letter - 'A')))) return letter;
    }
    return 0;
}

bool RunningUnderWine() {
    return GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr;
}

std::string UnixPathOf(const std::string& windowsPath) {
    using UnixNameOf = char*(CDECL*)(const WCHAR*);
    const auto unixNameOf = reinterpret_cast<UnixNameOf>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    if (!unixNameOf) return std::string();
    // The ANSI code page, as the ANSI calls of the code under test read the same text.
    const int needed = MultiByteToWideChar(CP_ACP, 0, windowsPath.c_str(), -1, nullptr, 0);
    if (needed <= 0) return std::string();
    std::wstring wide(static_cast<size_t>(needed), L'\0');
    MultiByteToWideChar(CP_ACP, 0, windowsPath.c_str(), -1, &wide[0], needed);
    char* unixName = unixNameOf(wide.c_str());
    if (!unixName) return std::string();
    std::string result(unixName);
    HeapFree(GetProcessHeap(), 0, unixName);
    return result;
}

namespace {
bool Start(const std::string& commandLine, PROCESS_INFORMATION& process) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    return CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process);
}
} // namespace

int RunProgram(const std::string& commandLine) {
    PROCESS_INFORMATION process = {};
    if (!Start(commandLine, process)) return -1;
    DWORD code = static_cast<DWORD>(-1);
    if (WaitForSingleObject(process.hProcess, 30000) == WAIT_OBJECT_0) GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<int>(code);
}

bool StartUnixCommand(const std::string& commandLine) {
    PROCESS_INFORMATION process = {};
    // Wine gives a null process handle and leaves the thread handle as garbage: closing
    // that could close some unrelated handle of ours, so neither is touched.
    return Start(commandLine, process);
}

bool PlantFolderLink(const std::string& link, const std::string& target) {
    const size_t cut = link.find_last_of('\\');
    const std::string linkFolder = UnixPathOf(link.substr(0, cut));
    const std::string unixTarget = UnixPathOf(target);
    if (linkFolder.empty() || unixTarget.empty()) return false;
    const std::string unixLink = linkFolder + "/" + link.substr(cut + 1);
    return StartUnixCommand("/bin/ln -s -- " + Quoted(unixTarget) + " " + Quoted(unixLink)) &&
           WaitFor([&] { return Exists(link); });
}

} // namespace testsupport
