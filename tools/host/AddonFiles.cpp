#include "tools/host/AddonFiles.h"

#include "instutils/InstUtils.h"

namespace host {

std::string AffixFileFor(const std::string& dictionary) {
    const size_t dot = dictionary.find_last_of('.');
    const size_t slash = dictionary.find_last_of("\\/");
    const bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
    return (hasExtension ? dictionary.substr(0, dot) : dictionary) + ".aff";
}

AddonFiles DescribeAddon(const std::string& folder) {
    AddonFiles files;
    files.descriptor = ReadLanguageDescriptor(instutils::JoinPath(folder, "Latin.lsc"));
    files.engineLibrary = instutils::JoinPath(folder, "hunspell.dll");
    if (!files.descriptor.fixedLexicons.empty()) {
        files.dictionary = instutils::JoinPath(folder, files.descriptor.fixedLexicons.front());
        files.affixRules = AffixFileFor(files.dictionary);
    }
    if (!files.descriptor.editableLexicons.empty()) {
        files.userDictionary = instutils::JoinPath(folder, files.descriptor.editableLexicons.front());
        files.userDictionaryExists = instutils::FileExists(files.userDictionary);
    }
    return files;
}

} // namespace host
