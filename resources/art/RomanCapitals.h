// Serif capitals in the manner of Roman inscriptions, for the straight-stroked letters
// A, I, L, N and T (all that "LATINA" needs), with thick and thin strokes.
#pragma once
#include <string>

#include "Canvas.h"

namespace art {

struct Lettering {
    std::string text;
    Point baselineCentre;
    double capHeight;
    double tracking;  // extra space between letters, in cap heights
    Color colour;
};

double letteringWidth(const Lettering& lettering);
// Throws std::invalid_argument for a letter outside the set above.
void drawLettering(Canvas& canvas, const Lettering& lettering);

}  // namespace art
