// Figures for the store: building it from the real FILES resource (inflate and walk), and
// writing the six installable files into a fresh folder. Prints means over several runs.
#include "instutils/InstUtils.h"
#include "payload/AttachFiles.h"

#include <windows.h>

#include <cstdio>
#include <memory>
#include <vector>

namespace {

constexpr int kRuns = 5;
const char* const kInstallable[] = {"Latin.lsc", "hunspell.dll", "la.dic", "la.aff", "userdicla.tlx", "Latin.hyph"};

double Seconds() {
    static LARGE_INTEGER frequency = [] { LARGE_INTEGER f; ::QueryPerformanceFrequency(&f); return f; }();
    LARGE_INTEGER now;
    ::QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

struct Figures { double mean = 0, best = 1e300, worst = 0; };

void Add(Figures& f, double ms) {
    f.mean += ms / kRuns;
    if (ms < f.best) f.best = ms;
    if (ms > f.worst) f.worst = ms;
}

void Print(const char* what, const Figures& f) {
    std::printf("%-44s mean %8.1f ms   best %8.1f ms   worst %8.1f ms\n", what, f.mean, f.best, f.worst);
}

} // namespace

int main() {
    instutils::InitializeInstUtils();
    const payload::TResourceData resource = payload::GetResourceData("FILES", "FILES");
    if (!resource.Bytes) {
        std::printf("no FILES resource\n");
        return 1;
    }

    Figures inflate, build, extract;
    size_t archiveSize = 0, installedBytes = 0;
    for (int run = 0; run < kRuns; ++run) {
        double start = Seconds();
        const payload::TDecompressedBlock block = payload::DecompressBuffer(resource.Bytes, resource.Size, 5 * resource.Size);
        Add(inflate, (Seconds() - start) * 1000);
        archiveSize = block.OutBytes;

        start = Seconds();
        auto store = std::make_unique<payload::TAttachedFiles>();
        Add(build, (Seconds() - start) * 1000);

        const std::string folder = instutils::TempFolder() + "store_bench\\";
        instutils::DeleteFolderTree(folder);
        installedBytes = 0;
        start = Seconds();
        for (const char* name : kInstallable) {
            if (!store->ExtractFile(nullptr, name, folder + name)) return 1;
        }
        Add(extract, (Seconds() - start) * 1000);
        for (const payload::TAttachedFile& entry : store->Entries)
            for (const char* name : kInstallable)
                if (entry.Name == name) installedBytes += entry.Size;
        instutils::DeleteFolderTree(folder);
    }

    std::printf("FILES resource %u bytes, archive %u bytes, %d runs\n", static_cast<unsigned>(resource.Size),
                static_cast<unsigned>(archiveSize), kRuns);
    Print("DecompressBuffer alone", inflate);
    Print("TAttachedFiles() (inflate and walk)", build);
    std::printf("ExtractFile of the six installable files (%u bytes):\n", static_cast<unsigned>(installedBytes));
    Print("  into a fresh folder", extract);
    instutils::FinalizeInstUtils();
    return 0;
}
