// Finds a manifest's source file in the --root folders.
#pragma once
#include <string>
#include <vector>

namespace packer {

// The path of `source` in the first root that holds it as a regular file; empty when none does.
std::string FindSource(const std::string& source, const std::vector<std::string>& roots);

} // namespace packer
