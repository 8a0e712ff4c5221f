// The language descriptor (Latin.lsc): which language the add-on serves, with which engine
// and which word lists.
#pragma once
#include <string>
#include <vector>

namespace host {

struct LanguageDescriptor {
    std::string language;                       // a Windows language id, 1142 for Latin
    std::string engine;                         // "hunspell"
    std::vector<std::string> fixedLexicons;     // file names, e.g. la.dic
    std::vector<std::string> editableLexicons;  // file names, e.g. userdicla.tlx
};

// path must be a full path: the profile functions look for a bare name in the Windows folder.
LanguageDescriptor ReadLanguageDescriptor(const std::string& path);

} // namespace host
