// One picture of the solar system on the active page: the Sun, the clock line, the orbits
// with their perihelion and node marks, the planet discs, Saturn's rings and the Moon.
#pragma once

#include <array>
#include <string_view>

#include "planetarium/orbit_model.h"
#include "wingraph/palette.h"
#include "wingraph/wingraph.h"

namespace planetarium {

inline constexpr int kSunColour = 15;
inline constexpr int kTextColour = 15;
inline constexpr int kOrbitColour = 8;
inline constexpr int kPerihelionColour = 7;
inline constexpr int kNodeColour = 9;

// Disc colours in the order of the planet table.
inline constexpr std::array<int, 9> kPlanetColour = {
    wingraph::kRed,       wingraph::kYellow, wingraph::kLightBlue,
    wingraph::kLightRed,  wingraph::kCyan,   wingraph::kLightBlue,
    wingraph::kLightBlue, wingraph::kRed,    wingraph::kMagenta};

struct SaturnRing {
  double xFactor;
  double yFactor;
  int colour;
};

// Innermost first.
inline constexpr std::array<SaturnRing, 4> kSaturnRings = {
    {{1.2, 0.142, 6}, {1.35, 0.163, 14}, {1.5, 0.18, 15}, {1.65, 0.191, 7}}};

// Black to white.
inline constexpr std::array<int, 4> kMoonShades = {0, 8, 7, 15};

// The longest clock line that is written.
inline constexpr std::size_t kClockLineLimit = 255;

ScreenPoint ScreenCentreOf(const wingraph::Device& dev);

// The shade of one pixel of the Moon's 2 x 2 block from the share (0 to 2) of the Moon's
// sub-pixel position that falls on it: each half of the range picks the next shade.
int MoonShade(double weight);

// Draws on the active page, which the caller has cleared.
void DrawScene(wingraph::Device& dev, double modelTime, double zoom, std::string_view clockLine);

}  // namespace planetarium
