// The standard 16-colour palette, in the order every 4-bit Windows bitmap uses.
#pragma once
#include <cstdint>
#include <vector>

#include "Color.h"

namespace art {

enum class Vga : std::uint8_t {
    Black, Maroon, Green, Olive, Navy, Purple, Teal, Silver,
    Grey, Red, Lime, Yellow, Blue, Fuchsia, Aqua, White,
};

const std::vector<Rgb8>& vgaPalette();

}  // namespace art
