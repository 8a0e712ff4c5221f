#include "LarkspurFlower.h"
#include "Logos.h"
#include "Scheme.h"

namespace art {

// One blossom on its stalk: a whole spike would blur at this size.
Canvas drawLogoSmall() {
    Canvas canvas(logoSmallSize, logoSmallSize, scheme::white);
    const CubicCurve stalk{{13, 18.5}, {12, 23.5}, {10, 27}, {8, 30}};
    canvas.fill(taperedStroke(stalk.sample(12), 1.1, 0.6), scheme::green);
    drawBlossom(canvas, {{13, 18}, 10.5, 12, -26});
    return canvas;
}

}  // namespace art
