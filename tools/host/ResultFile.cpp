#include "tools/host/ResultFile.h"

#include "instutils/InstUtils.h"

namespace host {

namespace {

const char* VerdictWord(Verdict verdict) {
    switch (verdict) {
    case Verdict::Correct: return "ok";
    case Verdict::Misspelled: return "wrong";
    case Verdict::Unchecked: break;
    }
    return "unchecked";
}

} // namespace

std::string ResultFileText(const Findings& findings) {
    const std::string& folder = findings.search.folder;
    std::string text = "folder\t" + (folder.empty() ? std::string("none") : folder) + "\r\n";
    for (const CheckedText& checked : findings.checks)
        text += checked.text + "\t" + VerdictWord(checked.verdict) + "\r\n";
    return text;
}

void WriteResultFile(const std::string& path, const Findings& findings) {
    instutils::WriteStringToFile(path, ResultFileText(findings));
}

} // namespace host
