// Draws the desktop icons of the four programs with the suite's own pixel symbols and
// drawing primitives, and writes them as RGBA PNG files laid out like an icon theme:
//   make_icons DIR  ->  DIR/<size>x<size>/apps/<program>.png
// Each icon is drawn small on a memory device and enlarged by pixel replication, so the
// larger sizes keep the hard-edged look of the programs' own screens.
#include <png.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "natalchart/chart_symbols.h"
#include "wingraph/palette.h"
#include "wingraph/wingraph.h"

namespace {

// A fresh memory page is all index 0; whatever is still 0 after drawing is left transparent.
// Opaque black comes from the first entry of the grey ramp, which is black as well.
constexpr int kClear = 0;
constexpr int kBlack = 16;
static_assert(wingraph::kDefaultPalette[kBlack].r == 0 &&
              wingraph::kDefaultPalette[kBlack].g == 0 && wingraph::kDefaultPalette[kBlack].b == 0);

// The day grid of the biorhythm chart, darker than the curves.
constexpr int kDimGrey = wingraph::NearestColor(96, 96, 96);

// The face of the Sun in the planetarium icon, behind its symbol.
constexpr int kSunGlow = wingraph::NearestColor(255, 160, 0);

constexpr int kSun = 1;
constexpr int kMoon = 2;

// Opacity of the one-pixel shadow below and right of the drawing.
constexpr std::uint8_t kShadowAlpha = 96;

constexpr double kPi = 3.14159265358979323846;

int RoundToPixel(double value) {
  return static_cast<int>(std::nearbyint(value));
}

// Point at `radius` and `degrees` (counter-clockwise, y up) around (cx, cy).
int PolarX(int cx, double radius, double degrees) {
  return cx + RoundToPixel(radius * std::cos(degrees * kPi / 180.0));
}

int PolarY(int cy, double radius, double degrees) {
  return cy - RoundToPixel(radius * std::sin(degrees * kPi / 180.0));
}

// A filled disc in the colour, as far out as a circle of the same radius reaches.
void FillDisc(wingraph::Device& dev, int cx, int cy, int radius, int colour) {
  const double reach = radius + 0.5;
  wingraph::SetColor(dev, colour);
  for (int dy = -radius; dy <= radius; ++dy) {
    const int half = static_cast<int>(std::sqrt(reach * reach - dy * dy));
    wingraph::Line(dev, cx - half, cy + dy, cx + half, cy + dy);
  }
}

// The chart wheel: an outer and an inner ring with the twelve sign boundaries between them.
// Small icons get a narrower band so a body symbol still fits inside with a pixel to spare.
int DrawWheel(wingraph::Device& dev, int size) {
  const int c = (size - 1) / 2;
  const int inner = size < 32 ? c - 2 : c - 4;
  FillDisc(dev, c, c, c, kBlack);
  wingraph::SetColor(dev, wingraph::kWhite);
  wingraph::Circle(dev, c, c, c);
  wingraph::Circle(dev, c, c, inner);
  for (int sign = 0; sign < 12; ++sign) {
    const double angle = sign * 30.0;
    wingraph::Line(dev, PolarX(c, inner, angle), PolarY(c, inner, angle), PolarX(c, c, angle),
                   PolarY(c, c, angle));
  }
  return inner;
}

// A solid arrowhead pointing along the circle of radius `radius` round (c, c): the tip at
// `tipAngle`, the base `length` degrees back, `halfWidth` pixels either side of the circle.
void FillArrowHead(wingraph::Device& dev, int c, int radius, double tipAngle, double length,
                   int halfWidth) {
  const int tipX = PolarX(c, radius, tipAngle);
  const int tipY = PolarY(c, radius, tipAngle);
  const double baseAngle = tipAngle - length;
  // Half-pixel steps across the base leave no holes between the lines.
  for (int step = -2 * halfWidth; step <= 2 * halfWidth; ++step) {
    const double r = radius + step / 2.0;
    wingraph::Line(dev, tipX, tipY, PolarX(c, r, baseAngle), PolarY(c, r, baseAngle));
  }
}

// Natal chart: the Sun in the middle of the wheel.
void DrawNatalIcon(wingraph::Device& dev, int size) {
  const int c = (size - 1) / 2;
  if (size < 24) {
    FillDisc(dev, c, c, c, kBlack);
  } else {
    DrawWheel(dev, size);
  }
  natalchart::DrawBodyGlyph(dev, c, c, kSun, wingraph::kYellow);
}

// Animated chart: the Moon in the wheel and, where there is room, an arrow turning round it
// counter-clockwise, the way the bodies move through the signs.
void DrawAnimationIcon(wingraph::Device& dev, int size) {
  const int c = (size - 1) / 2;
  if (size < 24) {
    FillDisc(dev, c, c, c, kBlack);
  } else if (size < 32) {
    DrawWheel(dev, size);
  } else {
    const int inner = DrawWheel(dev, size);
    // The arrow runs round the open side of the crescent, inside the wheel.
    const int track = inner - 2;
    wingraph::SetColor(dev, wingraph::kLightRed);
    wingraph::Ellipse(dev, c, c, 115, 265, track, track);
    FillArrowHead(dev, c, track, 310, 45, 2);
  }
  natalchart::DrawBodyGlyph(dev, c, c, kMoon, wingraph::kCyan);
}

// Planetarium: the Sun with planets on their orbits, seen from above.
void DrawPlanetariumIcon(wingraph::Device& dev, int size) {
  const int c = (size - 1) / 2;
  FillDisc(dev, c, c, c, kBlack);
  struct Planet {
    int orbit;
    double angle;
    int colour;
  };
  // From 32 pixels up the Sun is its symbol on a glowing face; below, a plain yellow disc.
  const bool large = size >= 32;
  const int innerOrbit = large ? 10 : (size >= 24 ? 7 : 4);
  const int sunRadius = size >= 24 ? 3 : 2;
  const std::array<Planet, 2> planets = {
      {{innerOrbit, 215.0, wingraph::kLightBlue}, {c - 1, 35.0, wingraph::kLightRed}}};
  wingraph::SetColor(dev, wingraph::kGrey);
  for (const Planet& planet : planets) wingraph::Circle(dev, c, c, planet.orbit);
  for (const Planet& planet : planets) {
    const int x = PolarX(c, planet.orbit, planet.angle);
    const int y = PolarY(c, planet.orbit, planet.angle);
    FillDisc(dev, x, y, 2, kBlack);
    FillDisc(dev, x, y, 1, planet.colour);
  }
  if (large) {
    FillDisc(dev, c, c, 6, kSunGlow);
    natalchart::DrawBodyGlyph(dev, c, c, kSun, wingraph::kYellow);
  } else {
    FillDisc(dev, c, c, sunRadius, wingraph::kYellow);
  }
}

// Biorhythm: the cycles as sine curves over the day grid of a framed chart.
void DrawBiorhythmIcon(wingraph::Device& dev, int size) {
  const int last = size - 1;
  wingraph::SetFillStyle(dev, 1, kBlack);
  wingraph::Bar(dev, 0, 0, last, last);
  wingraph::SetColor(dev, kDimGrey);
  const int mid = last / 2;
  wingraph::Line(dev, 1, mid, last - 1, mid);
  for (int x = size / 4; x < last; x += size / 4) wingraph::Line(dev, x, 1, x, last - 1);
  wingraph::SetColor(dev, wingraph::kWhite);
  wingraph::Rectangle(dev, 0, 0, last, last);
  struct Cycle {
    double period;  // in pixels across the chart
    double phase;   // in degrees
    int colour;
  };
  const std::array<Cycle, 3> cycles = {{{size * 0.75, 0.0, wingraph::kLightRed},
                                        {size * 1.0, 200.0, wingraph::kLightBlue},
                                        {size * 1.25, 100.0, wingraph::kLightGreen}}};
  const double amplitude = mid - 2.0;
  const std::size_t shown = size < 24 ? 2 : cycles.size();
  for (std::size_t i = 0; i < shown; ++i) {
    const Cycle& cycle = cycles[i];
    wingraph::SetColor(dev, cycle.colour);
    int prevY = 0;
    for (int x = 1; x < last; ++x) {
      const double angle = 360.0 * (x - 1) / cycle.period + cycle.phase;
      const int y = RoundToPixel(mid - amplitude * std::sin(angle * kPi / 180.0));
      if (x > 1) wingraph::Line(dev, x - 1, prevY, x, y);
      prevY = y;
    }
  }
}

using DrawIcon = void (*)(wingraph::Device&, int);

struct Program {
  std::string_view name;
  DrawIcon draw;
};

constexpr std::array<Program, 4> kPrograms = {{{"natalchart", DrawNatalIcon},
                                               {"chartanim", DrawAnimationIcon},
                                               {"planetarium", DrawPlanetariumIcon},
                                               {"biorhythm", DrawBiorhythmIcon}}};

// Each installed size (16, 32, 48, 64, 128): drawn at `drawn` pixels, each pixel repeated
// `scale` times. 48 has a drawing of its own at 24, as 16 times 3 would be too coarse.
struct IconSize {
  int drawn;
  int scale;
};

constexpr std::array<IconSize, 5> kSizes = {{{16, 1}, {32, 1}, {24, 2}, {32, 2}, {32, 4}}};

struct Rgba {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  std::uint8_t a = 0;
};
static_assert(sizeof(Rgba) == 4, "rows are handed to libpng as packed RGBA bytes");

bool Opaque(const wingraph::Device& dev, int x, int y) {
  return x >= 0 && y >= 0 && wingraph::GetPixel(dev, x, y) != kClear;
}

// The page in RGBA: palette colours, transparent where nothing was drawn, and a soft
// shadow one pixel below and right of the drawing so it stands out on a light desktop.
std::vector<Rgba> ToRgba(const wingraph::Device& dev) {
  std::vector<Rgba> out(static_cast<std::size_t>(dev.width) * dev.height);
  for (int y = 0; y < dev.height; ++y) {
    for (int x = 0; x < dev.width; ++x) {
      Rgba& px = out[static_cast<std::size_t>(y) * dev.width + x];
      const int index = wingraph::GetPixel(dev, x, y);
      if (index != kClear) {
        const wingraph::Rgb rgb = wingraph::kDefaultPalette[index];
        px = Rgba{rgb.r, rgb.g, rgb.b, 255};
      } else if (Opaque(dev, x - 1, y - 1)) {
        px = Rgba{0, 0, 0, kShadowAlpha};
      }
    }
  }
  return out;
}

std::vector<Rgba> Enlarge(const std::vector<Rgba>& pixels, int size, int scale) {
  const int outSize = size * scale;
  std::vector<Rgba> out(static_cast<std::size_t>(outSize) * outSize);
  for (int y = 0; y < outSize; ++y) {
    for (int x = 0; x < outSize; ++x) {
      out[static_cast<std::size_t>(y) * outSize + x] =
          pixels[static_cast<std::size_t>(y / scale) * size + x / scale];
    }
  }
  return out;
}

bool WriteRgbaPng(const std::vector<Rgba>& pixels, int size, const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  std::vector<png_bytep> rows(size);
  for (int y = 0; y < size; ++y) {
    rows[y] = reinterpret_cast<png_bytep>(const_cast<Rgba*>(pixels.data()) +
                                          static_cast<std::size_t>(y) * size);
  }
  bool ok = png && info;
  // libpng reports write errors by a long jump back here.
  if (ok && setjmp(png_jmpbuf(png))) ok = false;
  if (ok) {
    png_init_io(png, file);
    png_set_IHDR(png, info, size, size, 8, PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_compression_level(png, 9);
    png_write_info(png, info);
    png_write_image(png, rows.data());
    png_write_end(png, nullptr);
  }
  png_destroy_write_struct(&png, &info);
  return std::fclose(file) == 0 && ok;
}

bool WriteIcon(const Program& program, IconSize size, const std::filesystem::path& root) {
  wingraph::Device dev = wingraph::MakeMemoryDevice(size.drawn, size.drawn);
  program.draw(dev, size.drawn);
  const int outSize = size.drawn * size.scale;
  const std::string sizeName = std::to_string(outSize) + "x" + std::to_string(outSize);
  const std::filesystem::path dir = root / sizeName / "apps";
  std::error_code error;
  std::filesystem::create_directories(dir, error);
  const std::filesystem::path file = dir / (std::string(program.name) + ".png");
  if (error || !WriteRgbaPng(Enlarge(ToRgba(dev), size.drawn, size.scale), outSize, file)) {
    std::fprintf(stderr, "make_icons: cannot write %s\n", file.c_str());
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_icons DIR\n");
    return 2;
  }
  bool ok = true;
  for (const Program& program : kPrograms) {
    for (const IconSize size : kSizes) ok = WriteIcon(program, size, argv[1]) && ok;
  }
  return ok ? 0 : 1;
}
