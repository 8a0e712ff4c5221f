// One run of the stand-in for a test: lwp.exe checks the texts, writes its result file and
// closes itself; the test reads the result.
#pragma once
#include <string>
#include <vector>

namespace hosttest {

// The result file's lines, without their CR LF. program is the path of an lwp.exe.
std::vector<std::string> CheckWithStandIn(const std::string& program, const std::vector<std::string>& texts);

// Paths in the result compared as Windows compares them, without regard to letter case.
bool SameText(const std::string& a, const std::string& b);

} // namespace hosttest
