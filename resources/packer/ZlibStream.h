// The FILES stream as the setup reads it: one zlib stream (RFC 1950) inflated into one heap
// block that starts at five times the compressed size and grows by the compressed size
// rounded up to 256 bytes, then is shrunk to the exact length.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace packer {

struct FreeMemory {
    void operator()(unsigned char* block) const { std::free(block); }
};
using HeapBlock = std::unique_ptr<unsigned char, FreeMemory>;

struct ZlibHeader {
    unsigned method = 0;       // 8 is deflate
    unsigned windowBytes = 0;  // 1 << (CINFO + 8)
    unsigned level = 0;        // FLEVEL, 0 (fastest) .. 3 (maximum)
    bool presetDictionary = false;
    bool checkHolds = false;   // the two bytes, big-endian, are divisible by 31
};

// Empty when the stream's first two bytes form a header the setup accepts; otherwise what is
// wrong with them. `header` is filled whenever there are two bytes.
std::string ZlibHeaderFault(const unsigned char* stream, size_t size, ZlibHeader& header);

struct InflatedStream {
    HeapBlock data;
    size_t size = 0;            // archive bytes
    size_t initialCapacity = 0;
    size_t growths = 0;         // times the block had to grow
    size_t streamBytes = 0;     // bytes of input the stream took, trailer included
    uint32_t adler32 = 0;       // of the archive, checked against the trailer
};

// Throws a Fault naming the problem: bad header, corrupt data, early end, wrong Adler-32.
InflatedStream InflateLikeSetup(const unsigned char* stream, size_t size);

std::vector<unsigned char> CompressZlibLevel9(const std::vector<unsigned char>& data);

} // namespace packer
