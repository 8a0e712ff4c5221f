#include "resources/packer/SourceFinder.h"

#include <filesystem>

namespace packer {

std::string FindSource(const std::string& source, const std::vector<std::string>& roots) {
    const std::filesystem::path relative(source);
    if (relative.is_absolute())
        return "";
    for (const std::string& root : roots) {
        const std::filesystem::path candidate = std::filesystem::path(root) / relative;
        std::error_code error;
        if (std::filesystem::is_regular_file(candidate, error))
            return candidate.string();
    }
    return "";
}

} // namespace packer
