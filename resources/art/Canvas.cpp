#include "Canvas.h"

#include <algorithm>
#include <cmath>

namespace art {

namespace {
constexpr int samplesPerAxis = 8;
}

Canvas::Canvas(int width, int height, Color background)
    : width_(width), height_(height), premultiplied_(static_cast<std::size_t>(width) * height) {
    cover([background](Point) { return background; });
}

Color Canvas::pixel(int x, int y) const {
    const Color& c = premultiplied_[static_cast<std::size_t>(y) * width_ + x];
    if (c.alpha <= 0) return {0, 0, 0, 0};
    return {c.red / c.alpha, c.green / c.alpha, c.blue / c.alpha, c.alpha};
}

void Canvas::cover(const Paint& paint) {
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) {
            const Color c = paint({x + 0.5, y + 0.5});
            premultiplied_[static_cast<std::size_t>(y) * width_ + x] = {c.red * c.alpha, c.green * c.alpha,
                                                                         c.blue * c.alpha, c.alpha};
        }
}

double Canvas::coverage(const Shape& shape, int x, int y) const {
    int inside = 0;
    for (int sy = 0; sy < samplesPerAxis; ++sy)
        for (int sx = 0; sx < samplesPerAxis; ++sx)
            if (shape.contains({x + (sx + 0.5) / samplesPerAxis, y + (sy + 0.5) / samplesPerAxis})) ++inside;
    return static_cast<double>(inside) / (samplesPerAxis * samplesPerAxis);
}

void Canvas::blend(int x, int y, const Color& color, double coverage) {
    Color& d = premultiplied_[static_cast<std::size_t>(y) * width_ + x];
    const double a = color.alpha * coverage;
    d = {color.red * a + d.red * (1 - a), color.green * a + d.green * (1 - a), color.blue * a + d.blue * (1 - a),
         a + d.alpha * (1 - a)};
}

void Canvas::fill(const Shape& shape, const Paint& paint) {
    const int left = std::max(0, static_cast<int>(std::floor(shape.bounds.left)));
    const int top = std::max(0, static_cast<int>(std::floor(shape.bounds.top)));
    const int right = std::min(width_, static_cast<int>(std::ceil(shape.bounds.right)) + 1);
    const int bottom = std::min(height_, static_cast<int>(std::ceil(shape.bounds.bottom)) + 1);
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x) {
            const double share = coverage(shape, x, y);
            if (share > 0) blend(x, y, paint({x + 0.5, y + 0.5}), share);
        }
}

void Canvas::fill(const Shape& shape, const Color& color) {
    fill(shape, [color](Point) { return color; });
}

}  // namespace art
