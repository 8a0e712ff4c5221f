#include "RomanCapitals.h"

#include <stdexcept>
#include <vector>

namespace art {

namespace {

// Outlines in cap-height units: x from the letter's left edge, y from the cap line down to 1.
using Outline = std::vector<Point>;

struct Glyph {
    char letter;
    double advance;
    std::vector<Outline> parts;
};

Outline bar(double left, double top, double right, double bottom) {
    return {{left, top}, {right, top}, {right, bottom}, {left, bottom}};
}

constexpr double serif = 0.05;  // thickness of the serifs and hairlines
constexpr double foot = 1.0 - serif;

const std::vector<Glyph>& glyphs() {
    static const std::vector<Glyph> table{
        {'A', 0.86,
         {{{0.35, 0.0}, {0.41, 0.0}, {0.11, 1.0}, {0.05, 1.0}},
          {{0.35, 0.0}, {0.49, 0.0}, {0.80, 1.0}, {0.64, 1.0}},
          bar(0.2, 0.62, 0.68, 0.62 + serif),
          bar(-0.02, foot, 0.2, 1.0),
          bar(0.58, foot, 0.88, 1.0)}},
        {'I', 0.36, {bar(0.10, 0.0, 0.26, 1.0), bar(0.02, 0.0, 0.34, serif), bar(0.02, foot, 0.34, 1.0)}},
        {'L', 0.66,
         {bar(0.10, 0.0, 0.26, 1.0), bar(0.02, 0.0, 0.34, serif), bar(0.02, foot, 0.62, 1.0),
          {{0.62, 0.78}, {0.64, 0.78}, {0.64, 1.0}, {0.56, 1.0}}}},
        {'N', 0.82,
         {bar(0.07, 0.0, 0.13, 1.0), bar(0.69, 0.0, 0.75, 1.0), {{0.07, 0.0}, {0.23, 0.0}, {0.75, 1.0}, {0.59, 1.0}},
          bar(0.0, 0.0, 0.23, serif), bar(-0.01, foot, 0.21, 1.0), bar(0.6, 0.0, 0.84, serif)}},
        {'T', 0.72,
         {bar(0.02, 0.0, 0.70, serif), bar(0.28, 0.0, 0.44, 1.0), bar(0.2, foot, 0.52, 1.0),
          {{0.02, 0.0}, {0.05, 0.0}, {0.04, 0.2}, {0.02, 0.2}}, {{0.67, 0.0}, {0.70, 0.0}, {0.70, 0.2}, {0.68, 0.2}}}},
    };
    return table;
}

const Glyph& glyphFor(char letter) {
    for (const Glyph& g : glyphs())
        if (g.letter == letter) return g;
    throw std::invalid_argument(std::string("no Roman capital drawn for '") + letter + "'");
}

}  // namespace

double letteringWidth(const Lettering& lettering) {
    double width = 0;
    for (char c : lettering.text) width += glyphFor(c).advance;
    width += lettering.tracking * (lettering.text.size() - 1);
    return width * lettering.capHeight;
}

void drawLettering(Canvas& canvas, const Lettering& lettering) {
    const double h = lettering.capHeight;
    Point origin{lettering.baselineCentre.x - letteringWidth(lettering) / 2, lettering.baselineCentre.y - h};
    for (char c : lettering.text) {
        const Glyph& glyph = glyphFor(c);
        for (const Outline& part : glyph.parts) {
            Outline placed;
            for (const Point& p : part) placed.push_back(origin + p * h);
            canvas.fill(polygon(placed), lettering.colour);
        }
        origin.x += (glyph.advance + lettering.tracking) * h;
    }
}

}  // namespace art
