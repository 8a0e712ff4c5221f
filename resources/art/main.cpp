// artgen <outdir>: draws the setup program's logos, icon and picker bitmaps into <outdir>.
// The output depends on nothing but this program, so every run writes the same bytes.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>
#include <sys/stat.h>

#include "ArtFiles.h"

namespace {

bool makeFolder(const std::string& path) {
    return mkdir(path.c_str(), 0777) == 0 || errno == EEXIST;
}

bool writeFile(const std::string& path, const art::Bytes& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: artgen <outdir>\n");
        return 2;
    }
    const std::string folder = argv[1];
    if (!makeFolder(folder)) {
        std::fprintf(stderr, "artgen: cannot create %s: %s\n", folder.c_str(), std::strerror(errno));
        return 1;
    }
    try {
        for (const art::ArtFile& file : art::renderArtFiles()) {
            const std::string path = folder + "/" + file.name;
            if (!writeFile(path, file.bytes)) {
                std::fprintf(stderr, "artgen: cannot write %s: %s\n", path.c_str(), std::strerror(errno));
                return 1;
            }
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "artgen: %s\n", error.what());
        return 1;
    }
    return 0;
}
