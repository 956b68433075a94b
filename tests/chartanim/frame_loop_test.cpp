// The whole program run headless: the typed answers on standard input, the keys from a
// script, each key read saving the shown page.
#include <gtest/gtest.h>
#include <png.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "astrocore/chart.h"
#include "chartanim/animated_wheel.h"
#include "chartanim/clock.h"
#include "wingraph/wingraph.h"

namespace chartanim {
namespace {

namespace fs = std::filesystem;

const char kDialogue[] =
    "Ziua=Luna=Anul=Ora locala (OO.MM(SS/6)):"
    "Intervalul in minute cu care ma deplasez in timp:"
    "BRAILA: Lon(E):-27.58, Lat(N):45.20\n"
    "Longitudine (E-) (GGG.MM):Latitudine (S-) (GG.MM):";

struct ProgramRun {
  int status = -1;
  std::string transcript;
  std::vector<std::vector<unsigned char>> snapshots;  // RGB of each saved page
};

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The picture of a PNG file as RGB bytes.
std::vector<unsigned char> Pixels(const fs::path& path) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path.c_str())) return {};
  image.format = PNG_FORMAT_RGB;
  std::vector<unsigned char> rgb(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr)) return {};
  EXPECT_EQ(image.width, 800u);
  EXPECT_EQ(image.height, 600u);
  return rgb;
}

ProgramRun RunProgram(const std::string& typed, const std::string& keys) {
  char pattern[] = "/tmp/chartanim-run-XXXXXX";
  const fs::path dir = mkdtemp(pattern);
  const fs::path shots = dir / "shots";
  fs::create_directory(shots);
  std::ofstream(dir / "input.txt", std::ios::binary) << typed;
  const std::string command = "WINGRAPH_DRIVER=headless WINGRAPH_KEYS='" + keys +
                              "' WINGRAPH_SNAPSHOTS='" + shots.string() + "' '" +
                              ASTRO_CHARTANIM_EXE + "' <'" + (dir / "input.txt").string() + "' >'" +
                              (dir / "transcript.txt").string() + "'";
  ProgramRun run;
  const int raw = std::system(command.c_str());
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  run.transcript = ReadFile(dir / "transcript.txt");
  for (int i = 1;; ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "screen-%03d.png", i);
    if (!fs::exists(shots / name)) break;
    run.snapshots.push_back(Pixels(shots / name));
  }
  fs::remove_all(dir);
  return run;
}

// The frame that the clock shows after `advances` keys, drawn in this process.
std::vector<unsigned char> ExpectedFrame(const AnimationClock& start, int advances) {
  AnimationClock clock = start;
  for (int i = 0; i < advances; ++i) AdvanceClock(clock);
  wingraph::Device dev = wingraph::MakeMemoryDevice(800, 600);
  DrawAnimatedWheel(dev, astrocore::ComputeChart(clock.input));
  char pattern[] = "/tmp/chartanim-frame-XXXXXX";
  const fs::path dir = mkdtemp(pattern);
  const fs::path path = dir / "frame.png";
  EXPECT_TRUE(wingraph::SavePagePng(dev, 0, path.string()));
  std::vector<unsigned char> rgb = Pixels(path);
  fs::remove_all(dir);
  return rgb;
}

bool AllBlack(const std::vector<unsigned char>& rgb) {
  for (unsigned char c : rgb)
    if (c != 0) return false;
  return !rgb.empty();
}

AnimationClock TypedClock(double typedTime, double step) {
  astrocore::ChartInput typed;
  typed.day = 1;
  typed.month = 1;
  typed.year = 1980;
  typed.localTime = typedTime;
  typed.placeLongitude = -26.06;
  typed.placeLatitude = 44.26;
  return StartClock(typed, step);
}

TEST(ChartanimProgram, EscAsTheFirstKeyShowsOnlyTheEmptyPage) {
  const ProgramRun run = RunProgram("1\n1\n1980\n12.00\n60\n-26.06\n44.26\n", "27");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.transcript, kDialogue);
  ASSERT_EQ(run.snapshots.size(), 1u);
  EXPECT_TRUE(AllBlack(run.snapshots[0]));
}

// After an answer that is not a number the console falls silent and the rest reads as 0,
// but the window still opens and the animation runs.
TEST(ChartanimProgram, AnimatesEvenAfterAnAnswerThatIsNotANumber) {
  const ProgramRun run = RunProgram("x\n1\n1980\n12.00\n60\n-26.06\n44.26\n", "32,32,27");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.transcript, "Ziua=");
  ASSERT_EQ(run.snapshots.size(), 3u);
  EXPECT_TRUE(AllBlack(run.snapshots[0]));
  EXPECT_TRUE(run.snapshots[1] == ExpectedFrame(StartClock(astrocore::ChartInput{}, 0), 0));
}

// Each frame is drawn on the hidden page and shown at the next key; the last frame drawn,
// before Esc, is never shown. -1 stands for the empty page.
TEST(ChartanimProgram, EachFrameIsShownOneKeyAfterItIsDrawn) {
  struct Case {
    const char* what;
    double time, step;
    std::string keys;
    std::vector<int> shownAdvances;
  };
  const Case cases[] = {
      {"hour by hour", 12.00, 60, "32,32,27", {-1, 0, 1}},
      {"a two-code key advances two frames", 23.00, 1440, "0,75,27", {-1, 0, 1}},
      {"keys run out: Esc", 14.305, 30, "32,32", {-1, 0, 1}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    char typed[160];
    std::snprintf(typed, sizeof typed, "1\n1\n1980\n%g\n%g\n-26.06\n44.26\n", c.time, c.step);
    const ProgramRun run = RunProgram(typed, c.keys);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.transcript, kDialogue);
    ASSERT_EQ(run.snapshots.size(), c.shownAdvances.size());
    const AnimationClock start = TypedClock(c.time, c.step);
    for (std::size_t i = 0; i < c.shownAdvances.size(); ++i) {
      SCOPED_TRACE("snapshot " + std::to_string(i + 1));
      const std::vector<unsigned char>& shown = run.snapshots[i];
      if (c.shownAdvances[i] < 0) {
        EXPECT_TRUE(AllBlack(shown));
      } else {
        EXPECT_FALSE(AllBlack(shown));
        EXPECT_TRUE(shown == ExpectedFrame(start, c.shownAdvances[i]));
      }
    }
    // Consecutive frames differ: the hour (or the day) moved on.
    EXPECT_TRUE(ExpectedFrame(start, 0) != ExpectedFrame(start, 1));
  }
}

}  // namespace
}  // namespace chartanim
