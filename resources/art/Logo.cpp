#include "LarkspurSpike.h"
#include "Logos.h"
#include "RomanCapitals.h"
#include "Scheme.h"

namespace art {

namespace {

using namespace scheme;

// Continues the white title band above it and fades to a quiet lavender.
Color background(Point p) {
    const double t = p.y / logoHeight;
    return mix(white, mist, t * t * (3 - 2 * t));
}

const Spike tallSpike{
    {{61, 234}, {70, 170}, {48, 90}, {57, 16}},
    2.1,
    8, 15.5, 8.5, 0.7,
    6, 11,
    3, 34,
};

}  // namespace

Canvas drawLogo() {
    Canvas canvas(logoWidth, logoHeight, white);
    canvas.cover(background);
    drawSpike(canvas, tallSpike);
    drawLettering(canvas, {"LATINA", {60, 253}, 10.5, 0.34, navy});
    return canvas;
}

}  // namespace art
