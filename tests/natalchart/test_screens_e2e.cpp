// The natal program run headless for the 1980 Bucharest chart: the four snapshots show the
// name wheel, the glyph wheel, grid A and grid B, each checked by a few landmarks.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <cmath>
#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <string>
#include <string_view>

#include "astrocore/chart.h"
#include "natalchart/chart_symbols.h"
#include "natalchart/wheels.h"
#include "support/indexed_png.h"
#include "test_screens_support.h"
#include "wingraph/palette.h"
#include "wingraph/wingraph.h"

namespace natalchart {
namespace {

namespace fs = std::filesystem;
using natalchart_test::ColourNear;
using natalchart_test::Coverage;
using natalchart_test::Covers;
using natalchart_test::LitPixels;
using natalchart_test::RayPixels;
using natalchart_test::TextAlone;

constexpr double kDeg = std::numbers::pi / 180;
constexpr WheelGeometry kNatal{219, 419, 239};
constexpr std::string_view kCaption = "Data:  1- 1-1980 ora: 12.00";

// An 8-bit indexed PNG read back into page 0 of a 640 x 480 memory device.
bool LoadSnapshot(const fs::path& path, wingraph::Device& dev) {
  dev = wingraph::MakeMemoryDevice(640, 480);
  astrotest::IndexedImage image;
  if (!astrotest::ReadIndexedPng(path.string(), image) || image.width != 640 ||
      image.height != 480) {
    return false;
  }
  dev.pages[0] = std::move(image.pixels);
  return true;
}

// On how many of 36 directions, 10 degrees apart, the ring of radius r shows in the colour.
int RingAngles(const wingraph::Device& screen, int r, int colour) {
  int n = 0;
  for (int a = 5; a < 360; a += 10) {
    const PixelPoint p = PolarPoint(kNatal, a * kDeg, r);
    n += ColourNear(screen, p.x, p.y, colour, 1) ? 1 : 0;
  }
  return n;
}

class NatalScreens : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    char pattern[] = "/tmp/natal-screens-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir_ = pattern;
    std::ofstream(dir_ / "input.txt") << "1\n1\n1980\n12.00\n0\n-26.06\n44.26\n";
    const std::string command =
        "WINGRAPH_DRIVER=headless WINGRAPH_KEYS=32,32,32,32 WINGRAPH_SNAPSHOTS='" + dir_.string() +
        "' '" ASTRO_NATALCHART_EXE "' < '" + (dir_ / "input.txt").string() + "' > '" +
        (dir_ / "report.txt").string() + "' 2>&1";
    status_ = std::system(command.c_str());
    chart_ = astrocore::ComputeChart(astrocore::ChartInput{1, 1, 1980, 12.00, -2, -26.06, 44.26});
  }
  static void TearDownTestSuite() { fs::remove_all(dir_); }

  static wingraph::Device Screen(int number) {
    wingraph::Device dev;
    char name[32];
    std::snprintf(name, sizeof name, "screen-%03d.png", number);
    EXPECT_TRUE(LoadSnapshot(dir_ / name, dev)) << name;
    return dev;
  }

  static void ExpectCaption(const wingraph::Device& screen) {
    const Coverage caption = Covers(
        screen, TextAlone(640, 480, 20, 380, kCaption, wingraph::kYellow, 0, 1), wingraph::kYellow);
    ASSERT_GT(caption.referencePixels, 0);
    EXPECT_EQ(caption.missing, 0);
  }

  static void ExpectSunInTable(const wingraph::Device& screen) {
    wingraph::Device sun = wingraph::MakeMemoryDevice(640, 480);
    DrawBodyGlyph(sun, 10, 20, 1, wingraph::kLightGreen);
    EXPECT_EQ(Covers(screen, sun, wingraph::kLightGreen).missing, 0);
  }

  static inline fs::path dir_;
  static inline int status_ = -1;
  static inline astrocore::ChartRecord chart_;
};

TEST_F(NatalScreens, RunEndsNormallyAfterFourScreens) {
  EXPECT_EQ(status_, 0);
  for (int n = 1; n <= 4; ++n) {
    char name[32];
    std::snprintf(name, sizeof name, "screen-%03d.png", n);
    EXPECT_TRUE(fs::exists(dir_ / name)) << name;
  }
  EXPECT_FALSE(fs::exists(dir_ / "screen-005.png"));
}

TEST_F(NatalScreens, FirstIsTheNameWheel) {
  const wingraph::Device screen = Screen(1);
  EXPECT_GE(RingAngles(screen, 219, wingraph::kWhite), 33);
  // The Sun's marker ring on radius R - 7, the first cusp in green.
  const PixelPoint sun = PolarPoint(kNatal, chart_.bodyLongitude[1] * kDeg, 212);
  EXPECT_TRUE(ColourNear(screen, sun.x, sun.y, wingraph::kYellow, 1));
  const PixelPoint cusp = PolarPoint(kNatal, chart_.houseCusp[1] * kDeg, 100);
  EXPECT_TRUE(ColourNear(screen, cusp.x, cusp.y, wingraph::kGreen, 1));
  EXPECT_EQ(LitPixels(screen, 0, 0, 639, 479, wingraph::kCyan).count, 0) << "no ticks";
  ExpectSunInTable(screen);
  ExpectCaption(screen);
}

TEST_F(NatalScreens, SecondIsTheGlyphWheel) {
  const wingraph::Device screen = Screen(2);
  // Sun symbol on the ring R - 50 with the yellow dot on its position.
  const PixelPoint sun = PolarPoint(kNatal, chart_.bodyLongitude[1] * kDeg, 169);
  EXPECT_EQ(wingraph::GetPixel(screen, sun.x, sun.y), wingraph::kYellow);
  wingraph::Device symbol = wingraph::MakeMemoryDevice(640, 480);
  DrawBodyGlyph(symbol, sun.x, sun.y, 1, wingraph::kLightRed);
  EXPECT_EQ(Covers(screen, symbol, wingraph::kLightRed).missing, 0);
  // Thick white rings and cyan ticks.
  EXPECT_GE(RingAngles(screen, 219, wingraph::kWhite), 33);
  EXPECT_GE(RingAngles(screen, 179, wingraph::kWhite), 33);
  int thick = 0;
  for (int k = 0; k < 12; ++k) {
    thick += RayPixels(screen, kNatal, 5 + 30 * k, 214, 224, wingraph::kWhite) == 3 ? 1 : 0;
  }
  EXPECT_GE(thick, 8) << "3-pixel rings where no cusp crosses";
  EXPECT_GT(LitPixels(screen, 0, 0, 639, 479, wingraph::kCyan).count, 500);
  // The Ascendant's cusp is light magenta.
  const PixelPoint asc = PolarPoint(kNatal, chart_.houseCusp[1] * kDeg, 120);
  EXPECT_TRUE(ColourNear(screen, asc.x, asc.y, wingraph::kLightMagenta, 1));
  ExpectSunInTable(screen);
  ExpectCaption(screen);
}

TEST_F(NatalScreens, ThirdIsTheDistanceGrid) {
  const wingraph::Device screen = Screen(3);
  EXPECT_EQ(LitPixels(screen, 0, 320, 639, 320, wingraph::kRed).count, 621);
  EXPECT_NE(wingraph::GetPixel(screen, 330, 170), wingraph::kRed) << "no diagonal";
  // Sun and Moon 168.48 degrees apart, opposition with the Sun's orb 17.
  const Coverage distance =
      Covers(screen, TextAlone(640, 480, 50, 50, "168.48\xf8", 2), wingraph::kWhite);
  ASSERT_GT(distance.referencePixels, 0);
  EXPECT_EQ(distance.missing, 0);
  EXPECT_EQ(Covers(screen, TextAlone(640, 480, 90, 30, "17.00\xf8", 2), wingraph::kYellow).missing,
            0);
  EXPECT_EQ(Covers(screen, TextAlone(640, 480, 20, 420, "DIFERENTE UNGHIULARE PLANETE", 2, 0, 1),
                   wingraph::kWhite)
                .missing,
            0);
  ExpectCaption(screen);
}

TEST_F(NatalScreens, FourthIsTheAngleGrid) {
  const wingraph::Device screen = Screen(4);
  EXPECT_EQ(wingraph::GetPixel(screen, 330, 170), wingraph::kRed);
  EXPECT_EQ(LitPixels(screen, 0, 320, 639, 320, wingraph::kRed).count, 621);
  // The record's lower-triangle entries [9][3] (Neptune-Mercury conjunction) and [11][6]
  // (Ascendant-Jupiter quincunx) show in column a, row b: above the drawn diagonal.
  const Coverage conjunction =
      Covers(screen, TextAlone(640, 480, 370, 70, "  0\xf8", 2), wingraph::kWhite);
  ASSERT_GT(conjunction.referencePixels, 0);
  EXPECT_EQ(conjunction.missing, 0);
  EXPECT_EQ(Covers(screen, TextAlone(640, 480, 450, 130, "150\xf8", 2), wingraph::kWhite).missing,
            0);
  EXPECT_EQ(LitPixels(screen, 0, 385, 639, 479).count, 0) << "grid A's titles are gone";
  ExpectCaption(screen);
}

}  // namespace
}  // namespace natalchart
