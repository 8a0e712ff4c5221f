// The archive compressed as one zlib stream by Zopfli: smaller than zlib's best, slower to
// make, read by the same inflate.
#pragma once
#include <vector>

namespace packer {

constexpr int kDefaultZopfliIterations = 15;

std::vector<unsigned char> CompressWithZopfli(const std::vector<unsigned char>& archive,
                                              int iterations = kDefaultZopfliIterations);

} // namespace packer
