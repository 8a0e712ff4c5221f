#include "resources/packer/ArchiveFile.h"
#include "resources/packer/Arguments.h"
#include "resources/packer/Commands.h"
#include "resources/packer/Fault.h"
#include "resources/packer/ZlibStream.h"
#include "resources/packer/ZopfliStream.h"

#include <cstdio>

namespace packer {

void RunCompare(const Words& words) {
    const Arguments arguments = ParseArguments(words, {"--iterations"});
    if (arguments.positional.size() != 1)
        throw UsageFault("compare takes one stream file");
    const std::string& path = arguments.positional[0];
    const int iterations = arguments.Number("--iterations", kDefaultZopfliIterations, 1, 1000);
    const LoadedArchive loaded = LoadArchive(path);
    const std::vector<unsigned char> archive(loaded.archive.data.get(),
                                             loaded.archive.data.get() + loaded.archive.size);

    const size_t zlibSize = CompressZlibLevel9(archive).size();
    const size_t zopfliSize = CompressWithZopfli(archive, iterations).size();
    const long long saved = static_cast<long long>(zlibSize) - static_cast<long long>(zopfliSize);
    std::printf("%10zu bytes  archive\n", archive.size());
    std::printf("%10zu bytes  %s\n", loaded.archive.streamBytes, path.c_str());
    std::printf("%10zu bytes  Zopfli, %d iterations\n", zopfliSize, iterations);
    std::printf("%10zu bytes  zlib, level 9\n", zlibSize);
    std::printf("Zopfli saves %lld bytes (%.2f%% of zlib level 9)\n", saved,
                zlibSize ? 100.0 * static_cast<double>(saved) / static_cast<double>(zlibSize) : 0.0);
}

} // namespace packer
