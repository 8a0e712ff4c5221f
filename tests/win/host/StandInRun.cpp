#include "tests/win/host/StandInRun.h"

#include "tests/win/host/StandInProcess.h"
#include "tests/win/host/TempFile.h"

#include <gtest/gtest.h>

namespace hosttest {

namespace {

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

} // namespace

std::vector<std::string> CheckWithStandIn(const std::string& program, const std::vector<std::string>& texts) {
    const std::string resultFile = TempFolder() + "lwp-host-test-result.txt";
    ::DeleteFileA(resultFile.c_str());
    std::string arguments = "--check";
    for (const std::string& text : texts) arguments += " \"" + text + "\"";
    arguments += " --result \"" + resultFile + "\" --close-after 100";
    const StandInProcess standIn(program, arguments);
    EXPECT_TRUE(standIn.started()) << program << " could not be started";
    EXPECT_TRUE(standIn.waitForExit(kStandInTimeoutMs)) << program << " did not close after --close-after";
    EXPECT_EQ(standIn.exitCode(), 0u);
    const std::vector<std::string> lines = SplitLines(ReadWholeFile(resultFile));
    ::DeleteFileA(resultFile.c_str());
    return lines;
}

bool SameText(const std::string& a, const std::string& b) {
    return ::CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, a.data(), static_cast<int>(a.size()), b.data(),
                            static_cast<int>(b.size())) == CSTR_EQUAL;
}

} // namespace hosttest
