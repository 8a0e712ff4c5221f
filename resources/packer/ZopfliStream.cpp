#include "resources/packer/ZopfliStream.h"

#include "resources/packer/Fault.h"

#include <cstdlib>
#include <zopfli/zopfli.h>

namespace packer {

std::vector<unsigned char> CompressWithZopfli(const std::vector<unsigned char>& archive,
                                              int iterations) {
    ZopfliOptions options;
    ZopfliInitOptions(&options);
    options.numiterations = iterations;
    unsigned char* stream = nullptr;
    size_t streamSize = 0;
    ZopfliCompress(&options, ZOPFLI_FORMAT_ZLIB, archive.data(), archive.size(), &stream,
                   &streamSize);
    if (!stream)
        throw Fault("Zopfli produced no output");
    std::vector<unsigned char> result(stream, stream + streamSize);
    std::free(stream);
    return result;
}

} // namespace packer
