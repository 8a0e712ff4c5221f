// The wizard's two logos: the tall one for the left column and the small one for the title band.
#pragma once
#include "Canvas.h"

namespace art {

constexpr int logoWidth = 120, logoHeight = 260;
constexpr int logoSmallSize = 32;

Canvas drawLogo();
Canvas drawLogoSmall();

}  // namespace art
