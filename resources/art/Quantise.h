// Maps a drawing onto a fixed palette, pixel by pixel, to the nearest colour.
#pragma once
#include <vector>

#include "Canvas.h"
#include "IndexedImage.h"

namespace art {

IndexedImage quantise(const Canvas& canvas, const std::vector<Rgb8>& palette);

}  // namespace art
