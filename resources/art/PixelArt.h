// 16-colour pictures drawn as rows of letters, one letter per pixel.
#pragma once
#include <string>
#include <vector>

#include "IndexedImage.h"
#include "VgaPalette.h"

namespace art {

// "." is the transparent key colour; K black, W white, s silver, g grey, Y yellow, L lime.
// Throws std::invalid_argument on ragged rows or other letters.
IndexedImage pixelArt(const std::vector<std::string>& rows, Vga key);

}  // namespace art
