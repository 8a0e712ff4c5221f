// Filled regions described by an inside test and a bounding box; the rasteriser samples them.
#pragma once
#include <functional>
#include <vector>

#include "Geometry.h"

namespace art {

struct Shape {
    Box bounds;
    std::function<bool(Point)> contains;
};

Shape ellipse(Point centre, double radiusX, double radiusY, double angleDegrees = 0);
Shape circle(Point centre, double radius);
Shape polygon(std::vector<Point> corners);
// A brush stroke along a polyline whose half-width runs linearly from the first to the last point.
Shape taperedStroke(std::vector<Point> path, double startRadius, double endRadius);
Shape stroke(std::vector<Point> path, double radius);

}  // namespace art
