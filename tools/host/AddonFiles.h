// The files of an installed add-on, named by its language descriptor.
#pragma once
#include "tools/host/LanguageDescriptor.h"

#include <string>

namespace host {

struct AddonFiles {
    LanguageDescriptor descriptor;
    std::string engineLibrary;   // full path of hunspell.dll
    std::string dictionary;      // full path of the first fixed lexicon; empty if none is named
    std::string affixRules;      // the dictionary's .aff beside it
    std::string userDictionary;  // full path of the first editable lexicon; empty if none
    bool userDictionaryExists = false;
};

// la.dic gives la.aff; a name without an extension gets ".aff" appended.
std::string AffixFileFor(const std::string& dictionary);

// folder is the one FindAddon chose, ending in a backslash.
AddonFiles DescribeAddon(const std::string& folder);

} // namespace host
