// Where "extract" may write an entry: its name, with backslashes (or slashes) as folder
// separators, below the output folder and never outside it.
#pragma once
#include <string>

namespace packer {

// The relative path for `name`, or empty with `fault` set when the name is absolute, has a
// drive, an empty, "." or ".." part, or a zero byte.
std::string RelativeExtractPath(const std::string& name, std::string& fault);

// Throws a Fault when `target` (the output folder joined with a relative extract path) would
// lie outside `outputFolder` once links are followed, or is a link itself. Creates the folders
// above `target`.
void PrepareExtractTarget(const std::string& outputFolder, const std::string& target);

} // namespace packer
