// The 256-entry default palette of the graphics window and the mapping of requested RGB
// colours onto it. Everything here is constexpr, so a named colour is a compile-time index.
#pragma once

#include <array>
#include <cstdint>

namespace wingraph {

struct Rgb {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
};

namespace detail {

constexpr Rgb Level6(int r, int g, int b) {
  return Rgb{static_cast<std::uint8_t>(r * 4), static_cast<std::uint8_t>(g * 4),
             static_cast<std::uint8_t>(b * 4)};
}

// One block of 24 hues from blue over magenta, red, yellow, green and cyan back towards
// blue, built from five 6-bit levels (lowest to highest).
constexpr void FillHueBlock(std::array<Rgb, 256>& p, int first, const std::array<int, 5>& lv) {
  for (int j = 0; j < 24; ++j) {
    const int seg = j / 4;
    const int up = lv[j % 4];
    const int down = lv[4 - j % 4];
    const int lo = lv[0];
    const int hi = lv[4];
    Rgb c;
    switch (seg) {
      case 0:
        c = Level6(up, lo, hi);
        break;
      case 1:
        c = Level6(hi, lo, down);
        break;
      case 2:
        c = Level6(hi, up, lo);
        break;
      case 3:
        c = Level6(down, hi, lo);
        break;
      case 4:
        c = Level6(lo, hi, up);
        break;
      default:
        c = Level6(lo, down, hi);
        break;
    }
    p[first + j] = c;
  }
}

constexpr std::array<Rgb, 256> MakeDefaultPalette() {
  std::array<Rgb, 256> p{};
  constexpr std::array<Rgb, 16> kBasic = {{{0, 0, 0},
                                           {0, 0, 168},
                                           {0, 168, 0},
                                           {0, 168, 168},
                                           {168, 0, 0},
                                           {168, 0, 168},
                                           {168, 84, 0},
                                           {168, 168, 168},
                                           {84, 84, 84},
                                           {132, 132, 252},
                                           {84, 252, 84},
                                           {84, 252, 252},
                                           {252, 84, 84},
                                           {252, 84, 252},
                                           {252, 252, 84},
                                           {252, 252, 252}}};
  for (int i = 0; i < 16; ++i) p[i] = kBasic[i];
  constexpr std::array<int, 16> kGrey = {0,  5,  8,  11, 14, 17, 20, 24,
                                         28, 32, 36, 40, 45, 50, 56, 63};
  for (int i = 0; i < 16; ++i) p[16 + i] = Level6(kGrey[i], kGrey[i], kGrey[i]);
  constexpr std::array<std::array<int, 5>, 9> kLevels = {{{0, 16, 31, 47, 63},
                                                          {31, 39, 47, 55, 63},
                                                          {45, 49, 54, 58, 63},
                                                          {0, 7, 14, 21, 28},
                                                          {14, 17, 21, 24, 28},
                                                          {20, 22, 24, 26, 28},
                                                          {0, 4, 8, 12, 16},
                                                          {8, 10, 12, 14, 16},
                                                          {11, 12, 13, 15, 16}}};
  for (int b = 0; b < 9; ++b) FillHueBlock(p, 32 + 24 * b, kLevels[b]);
  // 248..255 stay black.
  return p;
}

}  // namespace detail

inline constexpr std::array<Rgb, 256> kDefaultPalette = detail::MakeDefaultPalette();

// The palette entry nearest to a requested RGB value (squared distance, ties to the lower index).
constexpr int NearestColor(int r, int g, int b) {
  int best = 0;
  long bestDistance = -1;
  for (int i = 0; i < 256; ++i) {
    const long dr = r - kDefaultPalette[i].r;
    const long dg = g - kDefaultPalette[i].g;
    const long db = b - kDefaultPalette[i].b;
    const long d = dr * dr + dg * dg + db * db;
    if (bestDistance < 0 || d < bestDistance) {
      best = i;
      bestDistance = d;
    }
  }
  return best;
}

// The named colours of the programs, as the palette shows them.
inline constexpr int kWhite = NearestColor(255, 255, 255);
inline constexpr int kYellow = NearestColor(255, 255, 0);
inline constexpr int kRed = NearestColor(255, 0, 0);
inline constexpr int kLightRed = NearestColor(255, 128, 128);
inline constexpr int kGreen = NearestColor(0, 128, 0);
inline constexpr int kLightGreen = NearestColor(144, 238, 144);
inline constexpr int kLightMagenta = NearestColor(255, 128, 255);
inline constexpr int kMagenta = NearestColor(255, 0, 255);
inline constexpr int kCyan = NearestColor(0, 255, 255);
inline constexpr int kLightCyan = NearestColor(224, 255, 255);
inline constexpr int kLightBlue = NearestColor(173, 216, 230);
inline constexpr int kGrey = NearestColor(168, 168, 168);

}  // namespace wingraph
