// The named colours of the artwork; the logo palette is built from the same colours so that
// every shade the drawings blend has a close palette entry.
#pragma once
#include "Color.h"

namespace art::scheme {

constexpr Color white = rgb(0xFFFFFF);
constexpr Color mist = rgb(0xECE9F7);  // bottom of the logo's background

constexpr Color violetNight = rgb(0x17113F);
constexpr Color violetDeep = rgb(0x2E2373);
constexpr Color violet = rgb(0x4B3CB0);
constexpr Color violetSoft = rgb(0x7468D8);
constexpr Color violetLight = rgb(0xA9A0EC);
constexpr Color violetPale = rgb(0xDCD7F8);

constexpr Color greenNight = rgb(0x16301A);
constexpr Color greenDeep = rgb(0x2D5530);
constexpr Color green = rgb(0x4E7D3F);
constexpr Color greenLight = rgb(0x86AD6A);
constexpr Color greenPale = rgb(0xC5D9B5);

constexpr Color navy = rgb(0x000080);  // the title text's colour

constexpr Color paper = rgb(0xFDFBF4);
constexpr Color paperShade = rgb(0xE4DFCF);
constexpr Color ink = rgb(0x6F7488);
constexpr Color sheetEdge = rgb(0x7C7F8F);
constexpr Color shadow = {0, 0, 0, 0.18};
constexpr Color checkRed = rgb(0xD02A2A);
constexpr Color checkRedDark = rgb(0x8E1414);

}  // namespace art::scheme
