#include "Shapes.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace art {

Shape ellipse(Point centre, double radiusX, double radiusY, double angleDegrees) {
    const double reach = std::max(radiusX, radiusY);
    return {{centre.x - reach, centre.y - reach, centre.x + reach, centre.y + reach},
            [=](Point p) {
                const Point local = rotate(p - centre, -angleDegrees);
                const double u = local.x / radiusX, v = local.y / radiusY;
                return u * u + v * v <= 1.0;
            }};
}

Shape circle(Point centre, double radius) { return ellipse(centre, radius, radius); }

// Even-odd rule: a horizontal ray from the point crosses the outline an odd number of times.
static bool insidePolygon(const std::vector<Point>& corners, Point p) {
    bool inside = false;
    for (std::size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++) {
        const Point a = corners[i], b = corners[j];
        if ((a.y > p.y) != (b.y > p.y) && p.x < a.x + (p.y - a.y) * (b.x - a.x) / (b.y - a.y)) inside = !inside;
    }
    return inside;
}

Shape polygon(std::vector<Point> corners) {
    const Box bounds = boundsOf(corners, 0);
    return {bounds, [corners = std::move(corners)](Point p) { return insidePolygon(corners, p); }};
}

namespace {

struct StrokeSegment {
    Point start, end;
    double startRadius, endRadius;
};

bool insideSegment(const StrokeSegment& s, Point p) {
    const Point along = s.end - s.start;
    const double squared = dot(along, along);
    const double t = squared > 0 ? std::clamp(dot(p - s.start, along) / squared, 0.0, 1.0) : 0.0;
    const double radius = s.startRadius + (s.endRadius - s.startRadius) * t;
    const Point offset = p - (s.start + along * t);
    return dot(offset, offset) <= radius * radius;
}

std::vector<StrokeSegment> segmentsOf(const std::vector<Point>& path, double startRadius, double endRadius) {
    std::vector<double> distance{0};
    for (std::size_t i = 1; i < path.size(); ++i) distance.push_back(distance.back() + length(path[i] - path[i - 1]));
    const double total = distance.back() > 0 ? distance.back() : 1;
    std::vector<StrokeSegment> segments;
    for (std::size_t i = 1; i < path.size(); ++i) {
        const double r0 = startRadius + (endRadius - startRadius) * distance[i - 1] / total;
        const double r1 = startRadius + (endRadius - startRadius) * distance[i] / total;
        segments.push_back({path[i - 1], path[i], r0, r1});
    }
    return segments;
}

}  // namespace

Shape taperedStroke(std::vector<Point> path, double startRadius, double endRadius) {
    const Box bounds = boundsOf(path, std::max(startRadius, endRadius));
    return {bounds, [segments = segmentsOf(path, startRadius, endRadius)](Point p) {
                return std::any_of(segments.begin(), segments.end(),
                                   [p](const StrokeSegment& s) { return insideSegment(s, p); });
            }};
}

Shape stroke(std::vector<Point> path, double radius) { return taperedStroke(std::move(path), radius, radius); }

}  // namespace art
