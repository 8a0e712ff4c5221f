#include "tests/win/host/AddonSource.h"

#include <windows.h>
#include <shlobj.h>

#include <algorithm>
#include <cstdlib>

namespace hosttest {

const std::vector<std::string>& AddonFileNames() {
    static const std::vector<std::string> names = {"Latin.lsc", "hunspell.dll", "la.dic",
                                                   "la.aff", "userdicla.tlx", "Latin.hyph"};
    return names;
}

std::string AddonSourceFolder() {
    const char* unixPath = std::getenv("LARKSPUR_HOST_ADDON");
    if (!unixPath || !*unixPath) return std::string();
    std::string folder = std::string("Z:") + unixPath;
    std::replace(folder.begin(), folder.end(), '/', '\\');
    if (folder.back() != '\\') folder += '\\';
    return folder;
}

std::string CommonAppData() {
    char folder[MAX_PATH] = {};
    if (::SHGetFolderPathA(nullptr, CSIDL_COMMON_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder) != S_OK)
        return std::string();
    return folder;
}

std::string PublicSpellFolder(const std::string& name) {
    return CommonAppData() + "\\Larkspur\\Public\\" + name + "\\";
}

} // namespace hosttest
