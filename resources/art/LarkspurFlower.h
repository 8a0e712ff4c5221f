// Single larkspur blossoms and buds, drawn at any size.
#pragma once
#include "Canvas.h"

namespace art {

struct Blossom {
    Point centre;
    double radius;        // reach of the sepals from the centre
    double turnDegrees;   // rotation of the five sepals
    double spurDegrees;   // direction in which the spur leaves the flower
};

void drawBlossom(Canvas& canvas, const Blossom& blossom);
// The two layers of a blossom, for spikes where every spur lies behind every flower.
void drawSpur(Canvas& canvas, const Blossom& blossom);
void drawBlossomFace(Canvas& canvas, const Blossom& blossom);

struct Bud {
    Point base;
    double length;
    double angleDegrees;  // direction from the base to the tip
};

void drawBud(Canvas& canvas, const Bud& bud);

}  // namespace art
