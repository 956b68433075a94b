// The chart computation: a birth date, time and place in, a complete chart out.
#pragma once

#include <array>
#include <string_view>

namespace astrocore {

// clang-format off
inline constexpr int kBodyCount = 15;   // chart bodies 1..15
inline constexpr int kSignCount = 12;   // zodiac signs 1..12
inline constexpr int kHouseCount = 12;  // houses 1..12
inline constexpr int kAspectCount = 13; // aspects 1..13, 0 = none

// Chart bodies, numbered as the index of every per-body table.
enum ChartBody : int {
  kSun = 1,
  kMoon = 2,
  kMercury = 3,
  kVenus = 4,
  kMars = 5,
  kJupiter = 6,
  kSaturn = 7,
  kUranus = 8,
  kNeptune = 9,
  kPluto = 10,
  kAscendant = 11,
  kMidheaven = 12,
  kVertex = 13,
  kLunarNode = 14,
  kPartOfFortune = 15,
};

// Display names, index 1..15 (index 0 is empty).
inline constexpr std::array<std::string_view, kBodyCount + 1> BodyName = {
    "",       "Soarele", "Luna",   "Mercur", "Venus",     "Marte",
    "Jupiter", "Saturn", "Uranus", "Neptun", "Pluton",    "Ascendent",
    "Mijlocul cerului", "Vertex", "Crugul Lunii", "Partea norocului"};

// Sign names, index 1..12, in the code-page-437 bytes of the programs.
inline constexpr std::array<std::string_view, kSignCount + 1> SignName = {
    "",          "Berbec", "Taur",        "Gemeni",   "Rac",        "Leu",    "Fecioar\x85",
    "Balant\x85", "Scorpion", "S\x85get\x85tor", "Capricorn", "V\x85rs\x85tor", "Pesti"};

// clang-format on

inline constexpr std::string_view kMotionDirect = "Direct";
inline constexpr std::string_view kMotionRetrograde = "Retrograd";

// Values exactly as typed; see the dot notations of DotMinutesToDecimal.
struct ChartInput {
  double day = 0;
  double month = 0;
  double year = 0;
  double localTime = 0;       // OO.MM(SS/6)
  double zoneDifference = 0;  // hours added to local time to give universal time
  double placeLongitude = 0;  // GGG.MM, east negative
  double placeLatitude = 0;   // GG.MM, south negative
};

// Arrays are indexed from 1 as the bodies, houses and aspects are numbered; slot 0 is unused.
// clang-format off
struct ChartRecord {
  ChartInput input;
  std::array<double, kBodyCount + 1> bodyLongitude{};            // degrees in [0, 360)
  std::array<std::string_view, kBodyCount + 1> bodyMotion{};     // "Direct" or "Retrograd"
  std::array<int, kBodyCount + 1> bodyHouse{};                   // 1..12
  std::array<std::array<int, kBodyCount + 1>, kBodyCount + 1> aspectGrid{};  // 0..13
  std::array<double, kHouseCount + 1> houseCusp{};               // degrees in [0, 360)
  double siderealTime = 0;                                       // HH.MMSS
};
// clang-format on

ChartRecord ComputeChart(const ChartInput& input);

}  // namespace astrocore
