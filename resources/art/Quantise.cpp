#include "Quantise.h"

#include <limits>

namespace art {

namespace {

// Green weighs most and blue least, roughly as the eye tells shades apart.
int distance(const Rgb8& a, const Rgb8& b) {
    const int dr = a.red - b.red, dg = a.green - b.green, db = a.blue - b.blue;
    return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

std::uint8_t nearest(const Rgb8& colour, const std::vector<Rgb8>& palette) {
    std::size_t best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (std::size_t i = 0; i < palette.size(); ++i) {
        const int d = distance(colour, palette[i]);
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return static_cast<std::uint8_t>(best);
}

}  // namespace

IndexedImage quantise(const Canvas& canvas, const std::vector<Rgb8>& palette) {
    IndexedImage image{canvas.width(), canvas.height(), 8, palette, {}};
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x) image.indices.push_back(nearest(toRgb8(canvas.pixel(x, y)), palette));
    return image;
}

}  // namespace art
