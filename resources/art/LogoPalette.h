// The fixed 256-colour palette of the logo bitmaps: ramps between the scheme's colours.
#pragma once
#include <vector>

#include "Color.h"

namespace art {

std::vector<Rgb8> logoPalette();

}  // namespace art
