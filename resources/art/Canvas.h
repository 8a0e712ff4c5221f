// An RGBA drawing surface with anti-aliased filling: each pixel is sampled on a fine grid and
// the shape's paint is blended in by the share of samples that fall inside.
#pragma once
#include <functional>
#include <vector>

#include "Color.h"
#include "Shapes.h"

namespace art {

using Paint = std::function<Color(Point)>;

class Canvas {
public:
    Canvas(int width, int height, Color background);

    int width() const { return width_; }
    int height() const { return height_; }
    Color pixel(int x, int y) const;

    void fill(const Shape& shape, const Paint& paint);
    void fill(const Shape& shape, const Color& color);
    // Paints every pixel, e.g. a background gradient.
    void cover(const Paint& paint);

private:
    double coverage(const Shape& shape, int x, int y) const;
    void blend(int x, int y, const Color& color, double coverage);

    int width_, height_;
    std::vector<Color> premultiplied_;
};

}  // namespace art
