#include "PixelArt.h"

#include <stdexcept>

namespace art {

namespace {

Vga colourOf(char letter, Vga key) {
    switch (letter) {
    case '.': return key;
    case 'K': return Vga::Black;
    case 'W': return Vga::White;
    case 's': return Vga::Silver;
    case 'g': return Vga::Grey;
    case 'Y': return Vga::Yellow;
    case 'L': return Vga::Lime;
    default: throw std::invalid_argument(std::string("unknown pixel letter '") + letter + "'");
    }
}

}  // namespace

IndexedImage pixelArt(const std::vector<std::string>& rows, Vga key) {
    IndexedImage image{static_cast<int>(rows.front().size()), static_cast<int>(rows.size()), 4, vgaPalette(), {}};
    for (const std::string& row : rows) {
        if (static_cast<int>(row.size()) != image.width) throw std::invalid_argument("pixel rows differ in length");
        for (char letter : row) image.indices.push_back(static_cast<std::uint8_t>(colourOf(letter, key)));
    }
    return image;
}

}  // namespace art
