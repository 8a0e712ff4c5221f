#include "LarkspurSpike.h"

#include <cmath>
#include <iterator>

#include "LarkspurFlower.h"
#include "Scheme.h"

namespace art {

namespace {

using namespace scheme;

Point tangentAt(const CubicCurve& curve, double t) {
    const Point d = curve.at(std::fmin(t + 0.01, 1.0)) - curve.at(std::fmax(t - 0.01, 0.0));
    return d * (1.0 / length(d));
}

// The unit normal on the given side of the stem: +1 is to the right of an upward stem.
Point sideOf(const CubicCurve& curve, double t, int side) {
    const Point up = tangentAt(curve, t);
    return Point{-up.y, up.x} * -side;
}

// Larkspur leaves are cut into thread-like lobes: each frond forks twice.
void drawFrond(Canvas& canvas, Point base, double angle, double bend, double size, int forks, const Color& colour) {
    const Point start = direction(angle), finish = direction(angle + bend);
    const Point end = base + (start + finish) * (0.5 * size);
    const CubicCurve curve{base, base + start * (size / 3), end - finish * (size / 3), end};
    canvas.fill(taperedStroke(curve.sample(12), std::fmax(0.45, 0.06 * size), 0.3), colour);
    if (forks == 0) return;
    for (double share : {0.4, 0.7}) {
        const Point from = curve.at(share);
        const double heading = angleOf(tangentAt(curve, share));
        drawFrond(canvas, from, heading - 38, bend * 0.6, size * 0.42, forks - 1, colour);
        drawFrond(canvas, from, heading + 38, bend * 0.6, size * 0.42, forks - 1, colour);
    }
}

void drawLeaves(Canvas& canvas, const Spike& spike) {
    for (int cluster = 0; cluster < spike.leafClusters; ++cluster) {
        const double t = 0.02 + 0.06 * cluster;
        const int side = cluster % 2 == 0 ? -1 : 1;
        const Point base = spike.stem.at(t);
        const double size = spike.leafLength * (1.0 - 0.18 * cluster);
        const Color colour = cluster % 2 == 0 ? greenDeep : green;
        for (int frond = 0; frond < 3; ++frond) {
            const double angle = side < 0 ? -150.0 + 28.0 * frond : -30.0 - 28.0 * frond;
            drawFrond(canvas, base, angle, side * 24.0, size * (1.0 - 0.15 * frond), 2, colour);
        }
    }
}

void drawStem(Canvas& canvas, const Spike& spike) {
    canvas.fill(taperedStroke(spike.stem.sample(40), spike.stemRadius, spike.stemRadius * 0.35), green);
}

double budPosition(const Spike& spike, int bud) {
    return spike.blossomsEndAt + (1.0 - spike.blossomsEndAt) * (bud + 1.0) / (spike.buds + 0.5);
}

void drawBuds(Canvas& canvas, const Spike& spike) {
    for (int bud = spike.buds - 1; bud >= 0; --bud) {
        const double t = budPosition(spike, bud);
        const int side = bud % 2 == 0 ? 1 : -1;
        const Point up = tangentAt(spike.stem, t);
        const double length = spike.budLength * (1.0 - 0.45 * bud / std::fmax(1, spike.buds - 1));
        const double lean = bud == spike.buds - 1 ? 0 : side * 32.0;
        drawBud(canvas, {spike.stem.at(t), length, angleOf(up) + lean});
    }
}

constexpr double firstBlossomAt = 0.12;

double blossomShare(const Spike& spike, int index) {
    return spike.blossoms > 1 ? static_cast<double>(index) / (spike.blossoms - 1) : 0;
}

double blossomPosition(const Spike& spike, int index) {
    return firstBlossomAt + (spike.blossomsEndAt - firstBlossomAt) * blossomShare(spike, index);
}

// Blossoms turn alternately to either side, some further out than others, as on a real spike.
const double sideOffsets[] = {-0.6, 0.65, -0.45, 0.6, -0.65, 0.5, -0.55, 0.6, -0.4, 0.5};

Blossom blossomAt(const Spike& spike, int index) {
    const double share = blossomShare(spike, index);
    const double t = blossomPosition(spike, index);
    const double offset = sideOffsets[index % std::size(sideOffsets)];
    const int side = offset < 0 ? -1 : 1;
    const double radius = spike.largestRadius + (spike.smallestRadius - spike.largestRadius) * share;
    const Point centre = spike.stem.at(t) + sideOf(spike.stem, t, side) * (std::fabs(offset) * radius);
    return {centre, radius, 23.0 * index + side * 9.0, side > 0 ? -15.0 : -165.0};
}

// Lower blossoms overlap the ones above them; every spur lies behind all the flowers.
void drawBlossoms(Canvas& canvas, const Spike& spike) {
    for (int i = spike.blossoms - 1; i >= 0; --i) drawSpur(canvas, blossomAt(spike, i));
    for (int i = spike.blossoms - 1; i >= 0; --i) {
        const Blossom b = blossomAt(spike, i);
        const Point stalkFoot = spike.stem.at(blossomPosition(spike, i) - 0.02);
        canvas.fill(stroke({stalkFoot, b.centre}, std::fmax(0.5, spike.stemRadius * 0.45)), green);
        drawBlossomFace(canvas, b);
    }
}

}  // namespace

void drawSpike(Canvas& canvas, const Spike& spike) {
    drawStem(canvas, spike);
    drawLeaves(canvas, spike);
    drawBuds(canvas, spike);
    drawBlossoms(canvas, spike);
}

}  // namespace art
