#include "LogoPalette.h"

#include <stdexcept>

#include "Scheme.h"

namespace art {

namespace {

struct Ramp {
    Color from, to;
    int steps;  // entries, `from` included, `to` excluded
};

using namespace scheme;

// Flower edges blend into the background and into the stem, so those mixtures get ramps too.
const Ramp ramps[] = {
    {white, mist, 12},
    {violetNight, violetDeep, 10},
    {violetDeep, violet, 16},
    {violet, violetSoft, 16},
    {violetSoft, violetLight, 16},
    {violetLight, violetPale, 14},
    {violetPale, white, 10},
    {violetDeep, mist, 14},
    {violet, mist, 14},
    {violetSoft, mist, 12},
    {greenNight, greenDeep, 8},
    {greenDeep, green, 12},
    {green, greenLight, 12},
    {greenLight, greenPale, 10},
    {greenPale, mist, 8},
    {greenDeep, mist, 10},
    {greenLight, mist, 7},
    {green, violet, 10},
    {greenDeep, violetDeep, 8},
    {navy, mist, 24},
    {rgb(0x000000), white, 12},
};

}  // namespace

std::vector<Rgb8> logoPalette() {
    std::vector<Rgb8> palette;
    for (const Ramp& ramp : ramps)
        for (int i = 0; i < ramp.steps; ++i) palette.push_back(toRgb8(mix(ramp.from, ramp.to, static_cast<double>(i) / ramp.steps)));
    palette.push_back(toRgb8(white));
    if (palette.size() != 256) throw std::logic_error("the logo palette must fill all 256 entries");
    return palette;
}

}  // namespace art
