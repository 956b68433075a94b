// The whole program run headless at a frozen clock: every snapshot must be the picture of
// the state that the keys before it have made.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "planetarium/clock_line.h"
#include "planetarium/controls.h"
#include "planetarium/orbit_model.h"
#include "planetarium/scene.h"
#include "planetarium/time_base.h"
#include "support/indexed_png.h"

namespace planetarium {
namespace {

using astrotest::IndexedImage;
using astrotest::ReadIndexedPng;

// The picture the program draws for a state, made in memory.
IndexedImage Render(double t, double zoom) {
  wingraph::Device dev = wingraph::MakeMemoryDevice(800, 600);
  DrawScene(dev, t, zoom, BuildClockLine(t));
  return IndexedImage{800, 600, dev.pages[0]};
}

class HeadlessRunTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (std::system("command -v faketime >/dev/null 2>&1") != 0) {
      GTEST_SKIP() << "faketime is not installed";
    }
    dir = std::filesystem::temp_directory_path() /
          ("planetarium-headless-" + std::to_string(::getpid()));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
  }
  void TearDown() override {
    if (!dir.empty()) std::filesystem::remove_all(dir);
  }

  // Runs the program with the clock frozen at 1 January 2024, 12:00:00 local time (UTC).
  void Run(const std::string& keys) {
    std::ostringstream command;
    command << "TZ=UTC WINGRAPH_DRIVER=headless WINGRAPH_KEYS='" << keys << "' WINGRAPH_SNAPSHOTS='"
            << dir.string()
            << "'"
            // In a sanitized build the time library is preloaded ahead of the sanitizer, and
            // the leak check at exit aborts on the faked clock.
            << " ASAN_OPTIONS=verify_asan_link_order=0:detect_leaks=0"
            << " faketime --exclude-monotonic -f '2024-01-01 12:00:00' '" << ASTRO_PLANETARIUM_EXE
            << "' </dev/null >/dev/null";
    ASSERT_EQ(std::system(command.str().c_str()), 0) << command.str();
  }

  IndexedImage Snapshot(int number) const {
    char name[32];
    std::snprintf(name, sizeof name, "screen-%03d.png", number);
    IndexedImage image;
    EXPECT_TRUE(ReadIndexedPng((dir / name).string(), image)) << name;
    return image;
  }

  std::filesystem::path dir;
};

const double kClockTime = ModelTimeOfClock({{2024, 1, 1}, 12, 0, 0});

TEST_F(HeadlessRunTest, FirstPictureShowsTheSolarSystemAtTheClock) {
  Run("32,32");
  // The first key is read while the first frame is still hidden.
  const IndexedImage image = Snapshot(2);
  ASSERT_EQ(image.width, 800);
  ASSERT_EQ(image.height, 600);
  EXPECT_EQ(image.pixels, Render(kClockTime, kStartZoom).pixels);

  EXPECT_EQ(image.At(401, 299), 15);  // the Sun
  EXPECT_EQ(image.At(397, 299), 15);
  // The Earth's orbit crosses each axis through the Sun about 50 pixels out.
  const int directions[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
  for (const auto& d : directions) {
    bool found = false;
    for (int r = 47; r <= 53; ++r) found = found || image.At(399 + d[0] * r, 299 + d[1] * r) == 8;
    EXPECT_TRUE(found) << d[0] << "," << d[1];
  }
  const ScreenPoint jupiter =
      PlanetPosition(kPlanetTable[kJupiter], kClockTime, kStartZoom, ScreenPoint{399, 299});
  const int jx = static_cast<int>(std::nearbyint(jupiter.x));
  const int jy = static_cast<int>(std::nearbyint(jupiter.y));
  EXPECT_EQ(image.At(jx + 24, jy), wingraph::kCyan);
  EXPECT_EQ(image.At(jx - 24, jy), wingraph::kCyan);
  EXPECT_EQ(image.At(jx, jy + 24), wingraph::kCyan);
}

TEST_F(HeadlessRunTest, EachKeyMovesTheModelTimeOrZoom) {
  // Special keys as 0 and a code, and characters with the same codes; "." lets a frame pass
  // without a key. After the script the driver holds Esc down.
  const std::vector<std::string> script = {"32", "0",   "77", "75",  "0",   "72", "80",
                                           "91", "93",  "0",  "115", "116", "42", ".",
                                           "47", "114", "32", "0",   "116", "32"};
  std::string keys;
  for (const std::string& k : script) keys += (keys.empty() ? "" : ",") + k;
  Run(keys);

  // Replay the frames: each key read saves the page shown, which is the previous frame.
  struct Shot {
    int frame;
    PlanetariumState state;
  };
  std::vector<PlanetariumState> drawn;  // the state each frame was drawn with
  std::vector<Shot> shots;
  PlanetariumState state;
  std::size_t next = 0;
  for (bool quit = false; !quit;) {
    if (state.realTime) state.modelTime = kClockTime;
    drawn.push_back(state);
    const int frame = static_cast<int>(drawn.size()) - 1;
    if (next < script.size() && script[next] == ".") {
      ++next;
      continue;
    }
    int code = next < script.size() ? std::stoi(script[next++]) : 27;
    shots.push_back({frame, {}});
    if (code == 0) {
      code = next < script.size() ? std::stoi(script[next++]) : 27;
      shots.push_back({frame, {}});
    }
    quit = HandleKey(state, code) == KeyOutcome::kQuit;
  }

  ASSERT_EQ(shots.size(), 20u);
  EXPECT_FALSE(std::filesystem::exists(dir / "screen-021.png"));
  for (std::size_t i = 1; i < shots.size(); ++i) {
    const PlanetariumState& shown = drawn[shots[i].frame - 1];
    const IndexedImage image = Snapshot(static_cast<int>(i) + 1);
    EXPECT_TRUE(image.pixels == Render(shown.modelTime, shown.zoom).pixels)
        << "screen " << i + 1 << " t " << shown.modelTime << " zoom " << shown.zoom;
  }
  // The replay itself went through every kind of step.
  EXPECT_EQ(drawn[2].modelTime, kClockTime + 1.0);
  EXPECT_EQ(drawn.back().realTime, false);
  EXPECT_EQ(drawn.back().modelTime, kClockTime + 1.0 / 24.0);
}

}  // namespace
}  // namespace planetarium
