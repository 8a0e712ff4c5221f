#include "AppIcon.h"

#include <cmath>

#include "LarkspurFlower.h"
#include "Scheme.h"

namespace art {

namespace {

using namespace scheme;

// Coordinates below are on a 256-unit grid, scaled to the icon's size.
class Grid {
public:
    explicit Grid(int size) : scale_(size / 256.0) {}
    Point at(double x, double y) const { return {x * scale_, y * scale_}; }
    double length(double units) const { return units * scale_; }
    std::vector<Point> path(std::initializer_list<Point> units) const {
        std::vector<Point> scaled;
        for (const Point& p : units) scaled.push_back(at(p.x, p.y));
        return scaled;
    }

private:
    double scale_;
};

// The sheet's edges fall on whole pixels at every size, so the small icons stay crisp.
struct Sheet {
    double left, top, right, bottom, fold, edge;
};

Sheet sheetFor(const Grid& g) {
    const auto pixel = [&](double units) { return std::round(g.length(units)); };
    return {pixel(42), pixel(18), pixel(214), pixel(238), pixel(44), std::fmax(1, pixel(8))};
}

// Moving the 45-degree fold inwards by d shifts its ends along the edges by d * tan(22.5).
constexpr double foldInset = 0.41421356;

std::vector<Point> sheetOutline(const Sheet& s, double inset) {
    const double corner = s.right - s.fold;
    return {{s.left + inset, s.top + inset},
            {corner - inset * foldInset, s.top + inset},
            {s.right - inset, s.top + s.fold + inset * foldInset},
            {s.right - inset, s.bottom - inset},
            {s.left + inset, s.bottom - inset}};
}

void drawSheet(Canvas& canvas, const Sheet& s) {
    std::vector<Point> cast = sheetOutline(s, 0);
    for (Point& p : cast) p = p + Point{s.edge, s.edge};
    canvas.fill(polygon(cast), shadow);
    canvas.fill(polygon(sheetOutline(s, 0)), sheetEdge);
    canvas.fill(polygon(sheetOutline(s, s.edge)), paper);
    const double corner = s.right - s.fold;
    canvas.fill(polygon({{corner, s.top}, {s.right, s.top + s.fold}, {corner, s.top + s.fold}}), sheetEdge);
    // The folded flap, inset like the sheet: its slanted side moves by d * (1 + sqrt 2).
    const double slant = s.edge * (2 + foldInset);
    canvas.fill(polygon({{corner + s.edge, s.top + slant}, {s.right - slant, s.top + s.fold - s.edge},
                         {corner + s.edge, s.top + s.fold - s.edge}}),
                paperShade);
}

void drawTextLines(Canvas& canvas, const Grid& g, int size) {
    if (size < 32) return;
    struct Line { double left, y, right; };
    const std::vector<Line> lines = size >= 48
        ? std::vector<Line>{{140, 112, 184}, {76, 144, 184}, {76, 172, 130}, {76, 200, 110}}
        : std::vector<Line>{{140, 112, 184}, {76, 150, 184}, {76, 188, 120}};
    const double radius = g.length(size >= 48 ? 6 : 9);
    for (const Line& line : lines)
        canvas.fill(stroke({g.at(line.left, line.y), g.at(line.right, line.y)}, radius), withAlpha(ink, 0.8));
}

void drawCheckMark(Canvas& canvas, const Grid& g) {
    const std::vector<Point> tick = g.path({{108, 168}, {146, 208}, {230, 108}});
    canvas.fill(stroke(tick, std::fmax(1.1, g.length(20))), checkRedDark);
    canvas.fill(stroke(tick, std::fmax(0.7, g.length(14))), checkRed);
}

}  // namespace

const std::vector<int>& appIconSizes() {
    static const std::vector<int> sizes{256, 48, 32, 16};
    return sizes;
}

Canvas drawAppIcon(int size) {
    Canvas canvas(size, size, {0, 0, 0, 0});
    const Grid g(size);
    drawSheet(canvas, sheetFor(g));
    drawTextLines(canvas, g, size);
    drawBlossom(canvas, {g.at(86, 92), g.length(56), 10, -5});
    drawCheckMark(canvas, g);
    return canvas;
}

}  // namespace art
