// Plane geometry for the vector drawings, in pixel units with y pointing down.
#pragma once
#include <vector>

namespace art {

struct Point {
    double x = 0, y = 0;
};

inline Point operator+(Point a, Point b) { return {a.x + b.x, a.y + b.y}; }
inline Point operator-(Point a, Point b) { return {a.x - b.x, a.y - b.y}; }
inline Point operator*(Point a, double s) { return {a.x * s, a.y * s}; }

constexpr double pi = 3.14159265358979323846;

double dot(Point a, Point b);
double length(Point a);
Point lerp(Point a, Point b, double t);
// The unit vector at `degrees`, measured clockwise from the positive x axis (y is down).
Point direction(double degrees);
double angleOf(Point v);  // in degrees, as `direction` takes them
double radians(double degrees);
Point rotate(Point p, double degrees);

struct Box {
    double left = 0, top = 0, right = 0, bottom = 0;
};

Box boundsOf(const std::vector<Point>& points, double margin);

struct CubicCurve {
    Point start, control1, control2, end;
    Point at(double t) const;
    std::vector<Point> sample(int segments) const;
};

}  // namespace art
