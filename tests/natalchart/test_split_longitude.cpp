#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>

#include "natalchart/chart_symbols.h"

namespace natalchart {
namespace {

struct Case {
  const char* what;
  double lon;
  int whole, sign, degrees, minutes, seconds;
};

// Degrees plus minutes and seconds, for building longitudes with a chosen seconds fraction.
constexpr double Dms(double d, double m, double s) {
  return d + m / 60 + s / 3600;
}

TEST(SplitLongitude, SplitsIntoSignDegreesMinutesAndSeconds) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const Case cases[] = {
      {"zero", 0, 0, 1, 0, 0, 0},
      {"no carry into the next sign", 29.9999, 29, 1, 29, 59, 59},
      {"exactly 30 begins the second sign", 30, 30, 2, 0, 0, 0},
      {"worked example", 45.5125, 45, 2, 15, 30, 45},
      {"seconds fraction 0.8 is not rounded up", Dms(10, 20, 30.8), 10, 1, 10, 20, 30},
      {"seconds fraction 0.85 is", Dms(10, 20, 30.85), 10, 1, 10, 20, 31},
      {"59 seconds and more show 60 without carry", Dms(10, 20, 59.9), 10, 1, 10, 20, 60},
      {"negative splits as its absolute value", -45.5125, 45, 2, 15, 30, 45},
      {"last sign", 359.5, 359, 12, 29, 30, 0},
      {"a full turn is 0 of the first sign", 360, 0, 1, 0, 0, 0},
      {"beyond a full turn starts again", 375.25, 15, 1, 15, 15, 0},
      {"negative full turn", -360, 0, 1, 0, 0, 0},
      {"huge", 1e300, static_cast<int>(std::fmod(1e300, 360.0)), 0, 0, 0, 0},
      {"NaN", nan, 0, 1, 0, 0, 0},
  };
  for (const Case& c : cases) {
    const LongitudeParts p = SplitLongitude(c.lon);
    EXPECT_EQ(p.whole, c.whole) << c.what;
    if (c.sign != 0) {
      EXPECT_EQ(p.sign, c.sign) << c.what;
      EXPECT_EQ(p.degrees, c.degrees) << c.what;
      EXPECT_EQ(p.minutes, c.minutes) << c.what;
      EXPECT_EQ(p.seconds, c.seconds) << c.what;
    }
    EXPECT_GE(p.sign, 1) << c.what;
    EXPECT_LE(p.sign, 12) << c.what;
  }
}

std::string PrintedLine(std::string_view label, double lon) {
  char* buffer = nullptr;
  std::size_t size = 0;
  std::FILE* out = open_memstream(&buffer, &size);
  console::Console con = console::StreamConsole(nullptr, out);
  SplitLongitude(con, label, lon);
  std::fclose(out);
  std::string text(buffer, size);
  std::free(buffer);
  return text;
}

TEST(SplitLongitude, WritesTheReportLine) {
  EXPECT_EQ(PrintedLine("Soarele-Direct", 45.5125), "Soarele-Direct  15\xf8 Taur  30` 45\" 45\n");
  EXPECT_EQ(PrintedLine("Casa 12", 325.2646), "Casa 12  25\xf8 V\x85rs\x85tor  15` 52\"325\n");
  EXPECT_EQ(PrintedLine("Casa 4", 360), "Casa 4   0\xf8 Berbec   0`  0\"  0\n");
}

TEST(SplitLongitude, WritesNothingInTheInputErrorState) {
  char* buffer = nullptr;
  std::size_t size = 0;
  std::FILE* out = open_memstream(&buffer, &size);
  console::Console con = console::StreamConsole(nullptr, out);
  con.inputError = true;
  const LongitudeParts p = SplitLongitude(con, "Luna-Direct", 88.627);
  std::fclose(out);
  EXPECT_EQ(size, 0u);
  std::free(buffer);
  EXPECT_EQ(p.sign, 3);  // the parts are still returned
}

}  // namespace
}  // namespace natalchart
