// A whole larkspur: a stem with feathery leaves at its foot, open blossoms that shrink
// towards the top, and buds at the tip.
#pragma once
#include "Canvas.h"

namespace art {

struct Spike {
    CubicCurve stem;  // from the foot up to the tip
    double stemRadius;
    int blossoms;
    double largestRadius, smallestRadius;
    double blossomsEndAt;  // share of the stem, from the foot, that carries blossoms
    int buds;
    double budLength;
    int leafClusters;
    double leafLength;
};

void drawSpike(Canvas& canvas, const Spike& spike);

}  // namespace art
