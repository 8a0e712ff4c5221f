// A palettised picture, rows stored top to bottom.
#pragma once
#include <cstdint>
#include <vector>

#include "Color.h"

namespace art {

struct IndexedImage {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 8;  // 4 or 8
    std::vector<Rgb8> palette;
    std::vector<std::uint8_t> indices;  // width * height entries

    std::uint8_t at(int x, int y) const { return indices[static_cast<std::size_t>(y) * width + x]; }
};

}  // namespace art
