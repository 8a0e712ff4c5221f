#include "tools/host/WindowReport.h"

namespace host {

namespace {

const char* const kLineEnd = "\r\n";

std::string Line(const std::string& label, const std::string& value) {
    return label + "\t" + value + kLineEnd;
}

std::string Joined(const std::vector<std::string>& names) {
    if (names.empty()) return "none";
    std::string joined;
    for (const std::string& name : names) joined += (joined.empty() ? "" : ", ") + name;
    return joined;
}

std::string EngineText(const Findings& findings) {
    switch (findings.engine) {
    case EngineState::Ready: return "hunspell.dll loaded, dictionary open";
    case EngineState::LibraryMissing: return "hunspell.dll is missing";
    case EngineState::LoadFailed:
        return "hunspell.dll could not be loaded (error " + std::to_string(findings.loadError) + ")";
    case EngineState::FunctionsMissing: return "hunspell.dll lacks the Hunspell functions";
    case EngineState::DictionaryMissing: return "hunspell.dll loaded, but the dictionary is missing";
    case EngineState::NotInstalled: break;
    }
    return "not loaded";
}

std::string NotInstalledText(const AddonSearch& search) {
    std::string text = std::string("The Latin spell checker is not installed, so no word can be checked.") +
                       kLineEnd + kLineEnd + "The word processor looked for Latin.lsc in these folders:" + kLineEnd;
    for (const std::string& folder : search.lookedIn) text += "\t" + folder + kLineEnd;
    return text;
}

std::string InstalledText(const Findings& findings) {
    const AddonFiles& files = findings.files;
    const LanguageDescriptor& descriptor = files.descriptor;
    std::string userDictionary = Joined(descriptor.editableLexicons);
    if (!files.userDictionary.empty())
        userDictionary += files.userDictionaryExists ? " (present)" : " (missing)";
    return Line("Add-on folder:", findings.search.folder) +
           Line("Language id:", descriptor.language) +
           Line("Engine:", descriptor.engine) +
           Line("Fixed lexicons:", Joined(descriptor.fixedLexicons)) +
           Line("Editable lexicons:", userDictionary) +
           Line("Engine library:", EngineText(findings));
}

const char* VerdictText(Verdict verdict) {
    switch (verdict) {
    case Verdict::Correct: return "correct";
    case Verdict::Misspelled: return "misspelled";
    case Verdict::Unchecked: break;
    }
    return "not checked";
}

std::string VerdictsText(const std::vector<CheckedText>& checks) {
    std::string text = std::string("Spelling:") + kLineEnd;
    for (const CheckedText& checked : checks) {
        std::string line = checked.text;
        // A rejected phrase names its culprits; a rejected single word names itself.
        const bool namesItself = checked.misspelled.size() == 1u && checked.misspelled.front() == checked.text;
        if (!checked.misspelled.empty() && !namesItself) line += " (" + Joined(checked.misspelled) + ")";
        text += Line(VerdictText(checked.verdict), line);
    }
    return text;
}

} // namespace

std::string ReportText(const Findings& findings) {
    if (findings.search.folder.empty()) return NotInstalledText(findings.search);
    return InstalledText(findings) + kLineEnd + VerdictsText(findings.checks);
}

} // namespace host
