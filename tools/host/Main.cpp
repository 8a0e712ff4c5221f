// lwp.exe, a stand-in for the Larkspur Word Processor: it marks itself as running the way the
// word processor does, finds and loads the Latin spell checker as the word processor would,
// and shows what it found.
#include "instutils/InstUtils.h"
#include "tools/host/CommandLine.h"
#include "tools/host/Findings.h"
#include "tools/host/HostWindow.h"
#include "tools/host/ResultFile.h"
#include "tools/host/WindowReport.h"

#include <cstdlib>
#include <windows.h>

namespace {

std::vector<std::string> ProgramArguments() {
    std::vector<std::string> args;
    for (int i = 1; i < __argc; ++i) args.emplace_back(__argv[i]);
    return args;
}

int RunStandIn(HINSTANCE instance, const host::StandInOptions& options) {
    // The result goes out before the window opens, so a test may read it while the window
    // is still up.
    const host::Findings findings = host::Inspect(options.texts);
    if (!options.resultFile.empty()) host::WriteResultFile(options.resultFile, findings);
    host::HostWindow window;
    if (!window.create(instance, host::ReportText(findings), options.closeAfterMs)) return 1;
    return host::HostWindow::runUntilClosed();
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    instutils::InitializeInstUtils();
    const int exitCode = RunStandIn(instance, host::ParseCommandLine(ProgramArguments()));
    instutils::FinalizeInstUtils();
    return exitCode;
}
