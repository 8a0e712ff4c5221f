// Every file the generator writes, by name.
#pragma once
#include <string>
#include <vector>

#include "ByteWriter.h"

namespace art {

struct ArtFile {
    std::string name;
    Bytes bytes;
};

std::vector<ArtFile> renderArtFiles();

}  // namespace art
