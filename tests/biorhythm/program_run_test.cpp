// Runs the biorhythm program headless with piped input and scripted keys, then reads the
// screens it wrote back from PNG.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "biorhythm/cycles.h"
#include "support/indexed_png.h"
#include "wingraph/palette.h"

namespace biorhythm {
namespace {

namespace fs = std::filesystem;

struct Screen {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> index;  // palette index per pixel

  int At(int x, int y) const { return index[static_cast<std::size_t>(y) * width + x]; }
  int Count(int x1, int y1, int x2, int y2, int colour) const {
    int count = 0;
    for (int y = y1; y <= y2; ++y) {
      for (int x = x1; x <= x2; ++x) count += At(x, y) == colour ? 1 : 0;
    }
    return count;
  }
};

bool ReadIndexedPng(const fs::path& path, Screen& screen) {
  astrotest::IndexedImage image;
  if (!astrotest::ReadIndexedPng(path.string(), image)) return false;
  screen.width = image.width;
  screen.height = image.height;
  screen.index = std::move(image.pixels);
  return true;
}

struct RunResult {
  int exitCode = -1;
  std::string output;
  fs::path snapshots;
};

RunResult RunProgram(const std::string& tag, const std::string& input, const std::string& keys) {
  const fs::path dir = fs::path(testing::TempDir()) / ("biorhythm-run-" + tag);
  fs::remove_all(dir);
  fs::create_directories(dir / "shots");
  {
    std::ofstream in(dir / "input.txt", std::ios::binary);
    in << input;
  }
  const std::string command = "WINGRAPH_DRIVER=headless WINGRAPH_KEYS='" + keys +
                              "' WINGRAPH_SNAPSHOTS='" + (dir / "shots").string() + "' '" +
                              ASTRO_BIORHYTHM_EXE + "' <'" + (dir / "input.txt").string() + "' >'" +
                              (dir / "output.txt").string() + "'";
  RunResult result;
  const int status = std::system(command.c_str());
  result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  std::ifstream out(dir / "output.txt", std::ios::binary);
  std::ostringstream text;
  text << out.rdbuf();
  result.output = text.str();
  result.snapshots = dir / "shots";
  return result;
}

int CountScreens(const fs::path& dir) {
  int count = 0;
  for (const auto& entry : fs::directory_iterator(dir)) {
    count += entry.path().extension() == ".png" ? 1 : 0;
  }
  return count;
}

constexpr int kZeroY = 229;
int GridX(int i) {
  return 40 + 28 * i;
}

struct ScreenCase {
  const char* file;
  std::int64_t daysLived;
  int sundayColumn;
};

// Keys 0,75,27: the first screen is written at the first two reads, the screen after the
// left arrow (2 January 2024) at the third.
TEST(BiorhythmProgram, DrawsTheChartAndStepsWithTheLeftArrow) {
  const RunResult run = RunProgram("plain", "Ana\n1980\n3\n15\n2024\n1\n1\n", "0,75,27");
  ASSERT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.output,
            "Cum te cheama:DATA NASTERII:\nAnul=Luna=Ziua=DATA CURENTA:\nAnul=Luna=Ziua=");
  EXPECT_EQ(CountScreens(run.snapshots), 3);

  const ScreenCase screens[] = {{"screen-001.png", 15997, 5}, {"screen-003.png", 15998, 4}};
  for (const ScreenCase& sc : screens) {
    SCOPED_TRACE(sc.file);
    Screen screen;
    ASSERT_TRUE(ReadIndexedPng(run.snapshots / sc.file, screen));
    ASSERT_EQ(screen.width, 640);
    ASSERT_EQ(screen.height, 480);

    // Zero line across the frame; one pixel above it only the grid lines and curves.
    EXPECT_GT(screen.Count(40, kZeroY, 600, kZeroY, wingraph::kGrey), 450);
    EXPECT_LT(screen.Count(40, kZeroY - 2, 600, kZeroY - 2, wingraph::kGrey), 60);
    // Label band base line and the heading below it.
    EXPECT_GT(screen.Count(40, 429, 600, 429, wingraph::kGrey), 500);
    EXPECT_GT(screen.Count(0, 443, 639, 459, wingraph::kLightMagenta), 50);

    // The Media curve passes through its samples wherever no other series is near.
    const SampleTable s = CycleSamples(sc.daysLived);
    int checked = 0;
    for (int i = 0; i < kSampleCount; ++i) {
      const auto at = static_cast<std::size_t>(i);
      bool clear = true;
      for (int c = 0; c < kMeanSeries; ++c) {
        const auto& series = s[static_cast<std::size_t>(c)];
        for (int j = std::max(0, i - 1); j <= std::min(kSampleCount - 1, i + 1); ++j) {
          clear = clear && std::abs(series[static_cast<std::size_t>(j)] - s[kMeanSeries][at]) > 8;
        }
      }
      if (!clear) continue;
      ++checked;
      const int y = kZeroY - s[kMeanSeries][at];
      EXPECT_EQ(screen.At(GridX(i), y), wingraph::kWhite) << "Media sample " << i;
    }
    EXPECT_GE(checked, 4);

    // The Sunday column's labels are light red, its neighbours' white.
    for (int column = sc.sundayColumn - 1; column <= sc.sundayColumn + 1; ++column) {
      const int x1 = GridX(column) + 1;
      const int x2 = GridX(column + 1) - 1;
      const int red = screen.Count(x1, 381, x2, 426, wingraph::kLightRed);
      const int white = screen.Count(x1, 381, x2, 426, wingraph::kWhite);
      if (column == sc.sundayColumn) {
        EXPECT_GT(red, 20) << "column " << column;
        EXPECT_EQ(white, 0) << "column " << column;
      } else {
        EXPECT_EQ(red, 0) << "column " << column;
        EXPECT_GT(white, 20) << "column " << column;
      }
    }

    // Legend and verdict boxes in the series colours.
    EXPECT_EQ(screen.At(45, 70), wingraph::kLightRed);
    EXPECT_EQ(screen.At(110, 70), wingraph::kLightBlue);
    EXPECT_EQ(screen.At(30, 3), wingraph::kLightRed);
    EXPECT_EQ(screen.At(30, 23), wingraph::kLightGreen);
  }

  // The frame corners, clear of the curves on the second screen.
  Screen screen;
  ASSERT_TRUE(ReadIndexedPng(run.snapshots / "screen-003.png", screen));
  for (const auto& [x, y] :
       {std::pair{40, 379}, std::pair{600, 79}, std::pair{40, 79}, std::pair{600, 379}}) {
    EXPECT_EQ(screen.At(x, y), wingraph::kGrey) << x << "," << y;
  }
}

// A megabyte name of bytes above 0x7F, then the end of input: the dates become 1 January
// of year 0, the right arrow holds at that first day, other keys do nothing, Esc ends.
TEST(BiorhythmProgram, SurvivesAHugeNameAndTheEndOfInput) {
  const RunResult run =
      RunProgram("harsh", std::string(std::size_t{1} << 20, '\xfe') + "\n", "0,77,0,80,65,27");
  ASSERT_EQ(run.exitCode, 0);
  EXPECT_EQ(CountScreens(run.snapshots), 6);
  Screen screen;
  ASSERT_TRUE(ReadIndexedPng(run.snapshots / "screen-006.png", screen));
  EXPECT_GT(screen.Count(0, 443, 639, 459, wingraph::kLightMagenta), 50);
}

}  // namespace
}  // namespace biorhythm
