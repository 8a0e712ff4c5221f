// The stand-in's command line, for tests and demonstrations:
//   lwp.exe [--check WORD ...] [--result FILE] [--close-after MS]
#pragma once
#include <string>
#include <vector>

namespace host {

struct StandInOptions {
    std::vector<std::string> texts;  // words or phrases to check
    std::string resultFile;          // empty: write no result file
    unsigned closeAfterMs = 0;       // 0: stay open until the user closes the window
};

// The words shown when the command line names none: three correct forms, one misspelling and
// a sentence.
std::vector<std::string> DemoTexts();

// args excludes the program name. Words after --check run up to the next argument that starts
// with "--"; arguments the stand-in does not know are skipped, as a host skips a document name.
StandInOptions ParseCommandLine(const std::vector<std::string>& args);

} // namespace host
