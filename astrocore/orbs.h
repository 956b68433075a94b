// The thirteen aspects with their exact angles and the per-body orbs, and the search that
// fills the aspect grid.
#pragma once

#include <array>
#include <string_view>

#include "astrocore/chart.h"

namespace astrocore {

// Index 1..13 in search order; index 0 (no aspect) is empty.
inline constexpr std::array<std::string_view, kAspectCount + 1> AspectName = {"",
                                                                              "Conjunctie (0)",
                                                                              "Demisextil (30)",
                                                                              "Semiquintila (36)",
                                                                              "Semicareu (45)",
                                                                              "Sextil (60)",
                                                                              "Quintila (72)",
                                                                              "Cuadratura (90)",
                                                                              "Tredecila (108)",
                                                                              "Trigon (120)",
                                                                              "Sesquicareu (135)",
                                                                              "Biquintila (144)",
                                                                              "Quinconce (150)",
                                                                              "Opozitie (180)"};

// Whole degrees, index 1..13.
inline constexpr std::array<int, kAspectCount + 1> AspectAngle = {0,  0,   30,  36,  45,  60,  72,
                                                                  90, 108, 120, 135, 144, 150, 180};

// Largest deviation from the exact angle that still counts, degrees: [body 1..15][aspect 1..13].
// clang-format off
inline constexpr std::array<std::array<double, kAspectCount + 1>, kBodyCount + 1> AspectOrb = {{
    {},
    //  0    30  36  45  60   72  90   108 120  135 144 150 180
    {0, 17,  2,  2,  2,  6,   2,  8.5, 2,  8.5, 2,  2,  2,  17},   // Soarele
    {0, 12,  1,  1,  1,  3,   1,  4,   1,  4,   1,  1,  1,  12},   // Luna
    {0, 7,   1,  1,  1,  2,   1,  3.3, 1,  3.3, 1,  1,  1,  7},    // Mercur
    {0, 8,   1,  1,  1,  2.5, 1,  4,   1,  4,   1,  1,  1,  8},    // Venus
    {0, 7.3, 1,  1,  1,  2.5, 1,  4,   1,  4,   1,  1,  1,  7.3},  // Marte
    {0, 12,  1,  1,  1,  3,   1,  4,   1,  4,   1,  1,  1,  12},   // Jupiter
    {0, 10,  1,  1,  1,  3,   1,  5,   1,  5,   1,  1,  1,  10},   // Saturn
    {0, 10,  1,  1,  1,  3,   1,  5,   1,  5,   1,  1,  1,  10},   // Uranus
    {0, 10,  1,  1,  1,  3,   1,  5,   1,  5,   1,  1,  1,  10},   // Neptun
    {0, 10,  1,  1,  1,  3,   1,  5,   1,  5,   1,  1,  1,  10},   // Pluton
    {0, 2,   2,  2,  2,  2,   2,  2,   2,  2,   2,  2,  2,  2},    // Ascendent
    {0, 1,   1,  1,  1,  1,   1,  1,   1,  1,   1,  1,  1,  1},    // Mijlocul cerului
    {0, 1,   1,  1,  1,  1,   1,  1,   1,  1,   1,  1,  1,  1},    // Vertex
    {0, 1,   1,  1,  1,  1,   1,  1,   1,  1,   1,  1,  1,  1},    // Crugul Lunii
    {0, 1,   1,  1,  1,  1,   1,  1,   1,  1,   1,  1,  1,  1},    // Partea norocului
}};
// clang-format on

// Fills aspectGrid from bodyLongitude [1..15]; one entry per pair, above the diagonal when
// the lower-numbered body's orbs admit the aspect.
void FindAspects(ChartRecord& chart);

}  // namespace astrocore
