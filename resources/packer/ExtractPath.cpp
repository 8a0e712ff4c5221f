#include "resources/packer/ExtractPath.h"

#include "resources/packer/Fault.h"

#include <filesystem>
#include <vector>

namespace fs = std::filesystem;

namespace packer {
namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

std::vector<std::string> SplitParts(const std::string& name) {
    std::vector<std::string> parts(1);
    for (char c : name) {
        if (IsSeparator(c))
            parts.emplace_back();
        else
            parts.back() += c;
    }
    return parts;
}

std::string PartFault(const std::string& part) {
    if (part.empty())
        return "it has an empty folder part";
    if (part == "." || part == "..")
        return "it has a '" + part + "' part";
    return "";
}

bool IsWithin(const fs::path& inner, const fs::path& outer) {
    auto innerPart = inner.begin();
    for (auto outerPart = outer.begin(); outerPart != outer.end(); ++outerPart, ++innerPart) {
        if (innerPart == inner.end() || *innerPart != *outerPart)
            return false;
    }
    return true;
}

} // namespace

std::string RelativeExtractPath(const std::string& name, std::string& fault) {
    if (name.empty()) {
        fault = "the name is empty";
        return "";
    }
    if (name.find('\0') != std::string::npos) {
        fault = "the name holds a zero byte";
        return "";
    }
    if (IsSeparator(name[0])) {
        fault = "it is an absolute path";
        return "";
    }
    const std::vector<std::string> parts = SplitParts(name);
    if (parts[0].find(':') != std::string::npos) {
        fault = "it starts with a drive";
        return "";
    }
    fs::path relative;
    for (const std::string& part : parts) {
        fault = PartFault(part);
        if (!fault.empty())
            return "";
        relative /= part;
    }
    return relative.string();
}

void PrepareExtractTarget(const std::string& outputFolder, const std::string& target) {
    const fs::path file(target);
    fs::create_directories(file.parent_path());
    const fs::path folder = fs::canonical(outputFolder);
    if (!IsWithin(fs::canonical(file.parent_path()), folder))
        throw Fault(target + " would lie outside " + outputFolder + " (a link on the way)");
    if (fs::is_symlink(fs::symlink_status(file)))
        throw Fault(target + " is a link; refusing to write through it");
}

} // namespace packer
