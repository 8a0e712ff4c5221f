// Test helpers: a working folder per test, environment overrides, files made and read back
// with plain Windows calls, and the few Wine-side facilities the tests need (Unix paths,
// running a Unix command to plant a symbolic link or to clean up).
#pragma once
#include <windows.h>
#include <string>

namespace testsupport {

// A fresh folder under the temporary-files folder, removed with everything in it at the end
// (links are removed, never followed).
class WorkFolder {
public:
    WorkFolder();
    ~WorkFolder();
    WorkFolder(const WorkFolder&) = delete;
    WorkFolder& operator=(const WorkFolder&) = delete;

    // The folder, with a trailing backslash.
    const std::string& path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + name; }

private:
    std::string path_;
};

// Sets an environment variable of this process for a scope, then puts the old value back.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const std::string& value);
    ~ScopedVariable();
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    std::string name_;
    std::string old_;
    bool hadOld_;
};

// Points the temporary path (TMP, then TEMP) somewhere else for a scope.
class ScopedTempPath {
public:
    explicit ScopedTempPath(const std::string& folder) : tmp_("TMP", folder), temp_("TEMP", folder) {}

private:
    ScopedVariable tmp_;
    ScopedVariable temp_;
};

// Changes the current directory for a scope.
class ScopedCurrentDirectory {
public:
    explicit ScopedCurrentDirectory(const std::string& folder);
    ~ScopedCurrentDirectory();
    ScopedCurrentDirectory(const ScopedCurrentDirectory&) = delete;
    ScopedCurrentDirectory& operator=(const ScopedCurrentDirectory&) = delete;

private:
    std::string old_;
};

std::string CurrentDirectory();  // as Windows reports it, without a trailing backslash
void MakeFolder(const std::string& path);
void MakeFile(const std::string& path, const std::string& content = "x", DWORD attributes = 0);
std::string ReadWholeFile(const std::string& path);
bool Exists(const std::string& path);          // any entry: file, folder or link
bool IsFolder(const std::string& path);
DWORD AttributesOf(const std::string& path);
char UnusedDriveLetter();                      // a letter that is no drive now, from 'Y' downwards

// ---- Wine ----
bool RunningUnderWine();
std::string UnixPathOf(const std::string& windowsPath);  // empty when not under Wine
// Runs a Windows program and waits; its exit code, or -1.
int RunProgram(const std::string& commandLine);
// Starts a Unix program, which Wine runs too, but without a process handle to wait on or an
// exit code to read: callers watch for its effect with WaitFor.
bool StartUnixCommand(const std::string& commandLine);
// Polls the condition every 50 ms for up to `milliseconds`; its last value.
template <typename Condition>
bool WaitFor(Condition condition, DWORD milliseconds = 5000) {
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > milliseconds) return false;
        Sleep(50);
    }
    return true;
}
// Removes a folder with everything in it through Unix rm, which removes links without
// following them and ignores read-only attributes. Only for folders whose name holds "iu-".
void RemoveTree(const std::string& windowsPath);
// A Unix symbolic link at `link` (its folder must exist) to the folder `target`.
bool PlantFolderLink(const std::string& link, const std::string& target);

} // namespace testsupport
