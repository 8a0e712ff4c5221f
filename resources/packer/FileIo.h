// Whole-file reads and writes. Every failure is a Fault naming the file and the reason.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

namespace packer {

std::vector<unsigned char> ReadWholeFile(const std::string& path);
void WriteWholeFile(const std::string& path, const unsigned char* data, size_t size);
// Writes a temporary file beside `path` and renames it into place only when all went well,
// so a failed run never leaves a half-written output (an older output stays as it was).
void WriteFileAtomically(const std::string& path, const std::vector<unsigned char>& data);

} // namespace packer
