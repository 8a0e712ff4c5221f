// libFuzzer target: any bytes as a FILES stream, inflated the way the setup does it and
// walked. A stream the setup's inflate accepts must give what zlib's own uncompress gives.
#include "payload/ArchiveFormat.h"
#include "resources/packer/Fault.h"
#include "resources/packer/ZlibStream.h"

#include <cstdlib>
#include <cstring>
#include <vector>
#include <zlib.h>

namespace {

void Require(bool condition) {
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    std::vector<unsigned char> stream(data, data + size);
    packer::InflatedStream inflated;
    try {
        inflated = packer::InflateLikeSetup(stream.data(), stream.size());
    } catch (const packer::Fault&) {
        return 0;
    }
    Require(inflated.streamBytes <= size);

    std::vector<unsigned char> expected(inflated.size + 1);
    uLongf expectedSize = static_cast<uLongf>(expected.size());
    Require(uncompress(expected.data(), &expectedSize, stream.data(),
                       static_cast<uLong>(inflated.streamBytes)) == Z_OK);
    Require(expectedSize == inflated.size);
    Require(inflated.size == 0 || std::memcmp(expected.data(), inflated.data.get(), inflated.size) == 0);
    Require(inflated.adler32 == adler32(1, expected.data(), static_cast<uInt>(expectedSize)));

    std::vector<payload::ArchiveEntry> entries;
    payload::ReadArchive(inflated.data.get(), inflated.size, entries);
    return 0;
}
