// The program's icon: a sheet of text with a larkspur blossom and a red check mark.
#pragma once
#include <vector>

#include "Canvas.h"

namespace art {

const std::vector<int>& appIconSizes();
// Drawn afresh for each size, with fewer details where they would only blur.
Canvas drawAppIcon(int size);

}  // namespace art
