#include "Color.h"

#include <algorithm>
#include <cmath>

namespace art {

Color mix(const Color& from, const Color& to, double t) {
    return {from.red + (to.red - from.red) * t, from.green + (to.green - from.green) * t,
            from.blue + (to.blue - from.blue) * t, from.alpha + (to.alpha - from.alpha) * t};
}

Color withAlpha(Color color, double alpha) {
    color.alpha = alpha;
    return color;
}

std::uint8_t componentByte(double component) {
    return static_cast<std::uint8_t>(std::lround(std::clamp(component, 0.0, 1.0) * 255.0));
}

Rgb8 toRgb8(const Color& color) {
    return {componentByte(color.red), componentByte(color.green), componentByte(color.blue)};
}

}  // namespace art
