#include "resources/packer/ArchiveFile.h"
#include "resources/packer/Arguments.h"
#include "resources/packer/Commands.h"
#include "resources/packer/Fault.h"
#include "resources/packer/ZlibStream.h"

#include "payload/ArchiveFormat.h"

#include <chrono>
#include <ctime>
#include <cstdio>

namespace packer {
namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

} // namespace

void RunBench(const Words& words) {
    const Arguments arguments = ParseArguments(words, {"--runs"});
    if (arguments.positional.size() != 1)
        throw UsageFault("bench takes one stream file");
    const std::string& path = arguments.positional[0];
    const int runs = arguments.Number("--runs", 20, 1, 100000);
    // One untimed load reports a bad stream the way the other commands do.
    const LoadedArchive loaded = LoadArchive(path);
    RequireWholeArchive(loaded, path);
    const std::vector<unsigned char>& stream = loaded.stream;

    double inflateTotal = 0, walkTotal = 0;
    const std::clock_t cpuStart = std::clock();
    for (int run = 0; run < runs; ++run) {
        const Clock::time_point inflateStart = Clock::now();
        const InflatedStream archive = InflateLikeSetup(stream.data(), stream.size());
        inflateTotal += MillisecondsSince(inflateStart);

        const Clock::time_point walkStart = Clock::now();
        std::vector<payload::ArchiveEntry> entries;
        payload::ReadArchive(archive.data.get(), archive.size, entries);
        walkTotal += MillisecondsSince(walkStart);
    }
    // Processor time as well: on a busy machine the wall-clock figures include waiting.
    const double cpuTotal = 1000.0 * static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;

    std::printf("%s: stream %zu bytes -> archive %zu bytes, %zu entries\n", path.c_str(),
                stream.size(), loaded.archive.size, loaded.entries.size());
    std::printf("first block %zu bytes (5 x stream), grown %zu time(s)\n",
                loaded.archive.initialCapacity, loaded.archive.growths);
    std::printf("mean of %d runs: inflate %.3f ms, walk %.4f ms, total %.3f ms (processor %.3f ms)\n",
                runs, inflateTotal / runs, walkTotal / runs, (inflateTotal + walkTotal) / runs,
                cpuTotal / runs);
}

} // namespace packer
