#include "LarkspurFlower.h"

#include <algorithm>
#include <cmath>

#include "Scheme.h"

namespace art {

namespace {

using namespace scheme;

// Pale at the heart, deepening towards the tips of the sepals; tiny flowers keep the
// deeper tones only, or they would fade into the background.
Paint sepalShading(Point centre, double radius) {
    const Color heart = radius >= 6 ? violetLight : violetSoft;
    return [=](Point p) {
        const double reach = std::clamp(length(p - centre) / radius, 0.0, 1.0);
        return reach < 0.5 ? mix(heart, violetSoft, reach / 0.5) : mix(violetSoft, violet, (reach - 0.5) / 0.5);
    };
}

// The sepal facing the spur is the largest, as on the real flower.
double sepalScale(const Blossom& b, double angle) {
    return 1.0 + 0.14 * std::cos(radians(angle - b.spurDegrees));
}

void drawSepal(Canvas& canvas, const Blossom& b, double angle, bool withVein) {
    const double reach = b.radius * sepalScale(b, angle);
    const Point axis = direction(angle);
    const Point middle = b.centre + axis * (0.5 * reach);
    // Below a few pixels an outline would swallow the sepal.
    if (b.radius >= 6) {
        const double rim = std::max(0.5, 0.05 * b.radius);
        canvas.fill(ellipse(middle, 0.5 * reach + rim, 0.38 * reach + rim, angle), violetDeep);
    }
    canvas.fill(ellipse(middle, 0.5 * reach, 0.38 * reach, angle), sepalShading(b.centre, b.radius));
    if (withVein) {
        const std::vector<Point> vein{b.centre + axis * (0.3 * reach), b.centre + axis * (0.82 * reach)};
        canvas.fill(taperedStroke(vein, 0.05 * b.radius, 0.02 * b.radius), withAlpha(violet, 0.6));
    }
}

// The small inner petals, the "bee", sit pale in the middle with a dark eye.
void drawBee(Canvas& canvas, const Blossom& b) {
    canvas.fill(circle(b.centre, 0.24 * b.radius), withAlpha(violetDeep, 0.6));
    canvas.fill(circle(b.centre, 0.2 * b.radius), violetPale);
    canvas.fill(circle(b.centre + Point{0, 0.03 * b.radius}, 0.1 * b.radius), violetSoft);
}

}  // namespace

// The spur leaves the back of the flower, so only its curved end shows beyond the sepals.
void drawSpur(Canvas& canvas, const Blossom& b) {
    if (b.radius < 5) return;  // a hairline that would only smudge
    const Point out = direction(b.spurDegrees);
    const Point up = direction(-90);
    const Point tip = b.centre + out * (1.75 * b.radius) + up * (0.5 * b.radius);
    const CubicCurve spur{b.centre, b.centre + out * (0.9 * b.radius), tip - up * (0.5 * b.radius), tip};
    canvas.fill(taperedStroke(spur.sample(20), 0.24 * b.radius, std::max(0.45, 0.06 * b.radius)),
                [=](Point p) { return mix(violetSoft, violetDeep, std::clamp(length(p - b.centre) / (1.8 * b.radius), 0.0, 1.0)); });
}

void drawBlossomFace(Canvas& canvas, const Blossom& blossom) {
    const bool veins = blossom.radius >= 9;
    for (int i = 0; i < 5; ++i) drawSepal(canvas, blossom, blossom.turnDegrees + 72.0 * i, veins);
    drawBee(canvas, blossom);
}

void drawBlossom(Canvas& canvas, const Blossom& blossom) {
    drawSpur(canvas, blossom);
    drawBlossomFace(canvas, blossom);
}

void drawBud(Canvas& canvas, const Bud& bud) {
    const Point axis = direction(bud.angleDegrees);
    const Point middle = bud.base + axis * (0.5 * bud.length);
    const double halfLength = 0.5 * bud.length, halfWidth = 0.32 * bud.length;
    canvas.fill(ellipse(middle, halfLength + 0.5, halfWidth + 0.5, bud.angleDegrees), violetDeep);
    canvas.fill(ellipse(middle, halfLength, halfWidth, bud.angleDegrees), [=](Point p) {
        const double along = std::clamp(dot(p - bud.base, axis) / bud.length, 0.0, 1.0);
        return mix(violet, violetSoft, along);
    });
    const Point lit = middle + rotate(axis, -90) * (0.1 * bud.length) + axis * (0.1 * bud.length);
    canvas.fill(ellipse(lit, 0.45 * halfLength, 0.3 * halfWidth, bud.angleDegrees), withAlpha(violetLight, 0.7));
}

}  // namespace art
