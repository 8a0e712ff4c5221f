#include "tests/win/host/StandInProcess.h"

namespace hosttest {

namespace {

// How long a process that a failed test leaves behind gets to go away once it is ended.
constexpr DWORD kEndTimeoutMs = 10000;

BOOL CALLBACK FindMarkedWindow(HWND wnd, LPARAM found) {
    if (::GetPropA(wnd, "1.x Brightfen") == nullptr) return TRUE;
    *reinterpret_cast<HWND*>(found) = wnd;
    return FALSE;
}

} // namespace

std::string OwnFolder() {
    char path[MAX_PATH + 1] = {};
    const DWORD length = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string module(path, length);
    return module.substr(0, module.find_last_of('\\') + 1);
}

std::string BuiltStandIn() {
    return OwnFolder() + "lwp.exe";
}

StandInProcess::StandInProcess(const std::string& program, const std::string& arguments) {
    std::string commandLine = "\"" + program + "\" " + arguments;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    if (!::CreateProcessA(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &info))
        return;
    process_.reset(info.hProcess);
    thread_.reset(info.hThread);
    id_ = info.dwProcessId;
}

StandInProcess::~StandInProcess() {
    if (!running()) return;
    ::TerminateProcess(process_.get(), 1);
    ::WaitForSingleObject(process_.get(), kEndTimeoutMs);
}

bool StandInProcess::running() const {
    return started() && ::WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT;
}

bool StandInProcess::waitForExit(DWORD timeoutMs) const {
    return started() && ::WaitForSingleObject(process_.get(), timeoutMs) == WAIT_OBJECT_0;
}

DWORD StandInProcess::exitCode() const {
    DWORD code = STILL_ACTIVE;
    if (started()) ::GetExitCodeProcess(process_.get(), &code);
    return code;
}

HWND FindRunningHostWindow() {
    HWND found = nullptr;
    ::EnumWindows(&FindMarkedWindow, reinterpret_cast<LPARAM>(&found));
    return found;
}

} // namespace hosttest
