// Runs the stand-in (lwp.exe, built beside the test programs) and looks for its window.
#pragma once
#include "platform/Handles.h"

#include <string>

namespace hosttest {

// 32-bit programs run through an emulator here, and the stand-in may load a 1.7 MB
// dictionary: how long a test waits for it to start or to end.
constexpr DWORD kStandInTimeoutMs = 180000;

// The folder of the running test program, with a trailing backslash.
std::string OwnFolder();

// The lwp.exe that the build puts beside the test programs.
std::string BuiltStandIn();

class StandInProcess {
public:
    // arguments: the command line after the program name, quoted as needed.
    StandInProcess(const std::string& program, const std::string& arguments);
    // A process still running at the end (a failed test) is ended, so it cannot block others.
    ~StandInProcess();
    StandInProcess(const StandInProcess&) = delete;
    StandInProcess& operator=(const StandInProcess&) = delete;

    bool started() const { return process_.valid(); }
    DWORD id() const { return id_; }
    bool running() const;
    // True when the process ended within timeoutMs.
    bool waitForExit(DWORD timeoutMs) const;
    DWORD exitCode() const;

private:
    platform::UniqueFile process_;
    platform::UniqueFile thread_;
    DWORD id_ = 0;
};

// The first top-level window carrying the word processor's running mark, or null.
HWND FindRunningHostWindow();

} // namespace hosttest
