#include "tools/host/LanguageDescriptor.h"

#include <windows.h>

namespace host {

namespace {

// A damaged descriptor must not send the reader through millions of missing keys.
constexpr UINT kMaxLexicons = 100;

std::string ProfileString(const std::string& path, const char* section, const std::string& key) {
    std::string value(256, '\0');
    for (;;) {
        const DWORD length = ::GetPrivateProfileStringA(section, key.c_str(), "", &value[0],
                                                        static_cast<DWORD>(value.size()), path.c_str());
        if (length + 1 < value.size()) {
            value.resize(length);
            return value;
        }
        value.resize(value.size() * 2);  // the value filled the buffer: it may be cut short
    }
}

std::vector<std::string> Lexicons(const std::string& path, const char* section) {
    const UINT count = ::GetPrivateProfileIntA(section, "Count", 0, path.c_str());
    if (count > kMaxLexicons) return {};
    std::vector<std::string> names;
    for (UINT i = 1; i <= count; ++i) {
        const std::string name = ProfileString(path, section, "Lexicon" + std::to_string(i));
        if (!name.empty()) names.push_back(name);
    }
    return names;
}

} // namespace

LanguageDescriptor ReadLanguageDescriptor(const std::string& path) {
    LanguageDescriptor descriptor;
    descriptor.language = ProfileString(path, "General", "Language");
    descriptor.engine = ProfileString(path, "General", "Engine");
    descriptor.fixedLexicons = Lexicons(path, "Fixed Lexicons");
    descriptor.editableLexicons = Lexicons(path, "Editable Lexicons");
    return descriptor;
}

} // namespace host
