// Colours as the renderer sees them: straight (not premultiplied) RGBA, components 0..1.
#pragma once
#include <cstdint>

namespace art {

struct Color {
    double red = 0, green = 0, blue = 0, alpha = 1;
};

// 0xRRGGBB, fully opaque.
constexpr Color rgb(std::uint32_t hex) {
    return {((hex >> 16) & 0xFF) / 255.0, ((hex >> 8) & 0xFF) / 255.0, (hex & 0xFF) / 255.0, 1.0};
}

Color mix(const Color& from, const Color& to, double t);
Color withAlpha(Color color, double alpha);

struct Rgb8 {
    std::uint8_t red = 0, green = 0, blue = 0;
};

// A component 0..1 as 0..255, rounded.
std::uint8_t componentByte(double component);
Rgb8 toRgb8(const Color& color);

}  // namespace art
