#include "Geometry.h"

#include <algorithm>
#include <cmath>

namespace art {

double dot(Point a, Point b) { return a.x * b.x + a.y * b.y; }

double length(Point a) { return std::sqrt(dot(a, a)); }

Point lerp(Point a, Point b, double t) { return a + (b - a) * t; }

double radians(double degrees) { return degrees * pi / 180.0; }

double angleOf(Point v) { return std::atan2(v.y, v.x) * 180.0 / pi; }

Point direction(double degrees) { return {std::cos(radians(degrees)), std::sin(radians(degrees))}; }

Point rotate(Point p, double degrees) {
    const Point d = direction(degrees);
    return {p.x * d.x - p.y * d.y, p.x * d.y + p.y * d.x};
}

Box boundsOf(const std::vector<Point>& points, double margin) {
    Box box{points.front().x, points.front().y, points.front().x, points.front().y};
    for (const Point& p : points) {
        box.left = std::min(box.left, p.x);
        box.top = std::min(box.top, p.y);
        box.right = std::max(box.right, p.x);
        box.bottom = std::max(box.bottom, p.y);
    }
    return {box.left - margin, box.top - margin, box.right + margin, box.bottom + margin};
}

Point CubicCurve::at(double t) const {
    const double u = 1 - t;
    return start * (u * u * u) + control1 * (3 * u * u * t) + control2 * (3 * u * t * t) + end * (t * t * t);
}

std::vector<Point> CubicCurve::sample(int segments) const {
    std::vector<Point> points;
    for (int i = 0; i <= segments; ++i) points.push_back(at(static_cast<double>(i) / segments));
    return points;
}

}  // namespace art
