// Each program in a real window on a virtual X server: keys pressed in the window, and every
// screenshot equal (through the palette, at the window's whole scale) to the snapshot a
// headless run with the same keys takes at the same key wait.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

#include "window/window_harness.h"

namespace windowtest {
namespace {

namespace fs = std::filesystem;

enum class Action {
  kShows,     // the window shows the headless snapshot of this number (polled)
  kKeys,      // these keys are pressed in the window, all at once
  kCloseBox,  // the close box is clicked
  kExits,     // the program ends with status 0
};

struct Step {
  Action action;
  int snapshot = 0;
  const char* keys = "";
};

Step Shows(int snapshot) {
  return {Action::kShows, snapshot};
}
Step Keys(const char* keys) {
  return {Action::kKeys, 0, keys};
}
Step CloseBox() {
  return {Action::kCloseBox};
}
Step Exits() {
  return {Action::kExits};
}

struct Scenario {
  const char* name;
  const char* program;
  const char* title;
  const char* answers;       // the console dialogue, piped in
  const char* headlessKeys;  // the same keys as codes, for the snapshots
  bool frozenClock;
  int screenWidth;
  int screenHeight;
  int scale;  // the scale the window opens at on that screen
  std::vector<Step> steps;
};

void PrintTo(const Scenario& s, std::ostream* os) {
  *os << s.name;
}

constexpr const char* kNatalAnswers = "1\n1\n1980\n12.00\n0\n-26.06\n44.26\n";
constexpr const char* kAnimAnswers = "1\n1\n1980\n12.00\n60\n-26.06\n44.26\n";
constexpr const char* kBioAnswers = "Ana\n1980\n3\n15\n2024\n1\n1\n";

// Screens of 2048 x 1536 fit a 640 x 480 page three times over; 1280 x 1024 fits an
// 800 x 600 page once.
const std::vector<Scenario>& Scenarios() {
  static const std::vector<Scenario> scenarios = {
      {"NatalChartKeyPerScreen",
       ASTRO_NATALCHART_EXE,
       "ASTROGRAMA NASTERII",
       kNatalAnswers,
       "120,27,32,13",
       false,
       2048,
       1536,
       3,
       {Shows(1), Keys("x"), Shows(2), Keys("Escape"), Shows(3), Keys("space"), Shows(4),
        Keys("Return"), Exits()}},
      // A special key is two codes, so it answers two key waits: the glyph wheel is skipped.
      // The close box, also two codes, then answers the last two waits and ends the program.
      {"NatalChartArrowSkipsAScreenAndCloseBoxEndsIt",
       ASTRO_NATALCHART_EXE,
       "ASTROGRAMA NASTERII",
       kNatalAnswers,
       "0,75,0,107",
       false,
       1024,
       768,
       1,
       {Shows(1), Keys("Left"), Shows(3), CloseBox(), Exits()}},
      // Four keys typed at once while frames are drawn move on exactly four frames; an arrow
      // moves on two.
      {"ChartAnimTypedAheadKeysEachMoveOneFrame",
       ASTRO_CHARTANIM_EXE,
       "ASTROGRAMA ANIMATA",
       kAnimAnswers,
       "97,98,99,100,101,0,75,27",
       false,
       1280,
       1024,
       1,
       {Shows(1), Keys("a"), Shows(2), Keys("b c d e"), Shows(6), Keys("Left"), Shows(8),
        Keys("Escape"), Exits()}},
      // The close box is read as one command that changes nothing: the arrow after it must
      // still step back a day.
      {"BiorhythmArrowsStepAndCloseBoxIsIgnored",
       ASTRO_BIORHYTHM_EXE,
       "BIORITMURI",
       kBioAnswers,
       "0,75,0,107,0,77,27",
       false,
       1280,
       1024,
       1,
       {Shows(1), Keys("Left"), Shows(3), CloseBox(), Keys("Right"), Shows(7), Keys("Escape"),
        Exits()}},
      // "." lets one frame pass without a key, so each snapshot shows the state the keys
      // before it made. The close box must neither end the program nor disturb the next key.
      {"PlanetariumStepsTimeIgnoresCloseBoxAndEndsOnEsc",
       ASTRO_PLANETARIUM_EXE,
       "PLANETARIU",
       "",
       ".,0,77,.,0,107,.,0,116,.,27",
       true,
       1280,
       1024,
       1,
       {Shows(1), Keys("Right"), Shows(3), CloseBox(), Keys("ctrl+Right"), Shows(7), Keys("Escape"),
        Exits()}},
  };
  return scenarios;
}

// The planetarium follows the wall clock; it is frozen (in UTC) so that frames repeat.
std::vector<std::string> CommandOf(const Scenario& s) {
  if (!s.frozenClock) return {s.program};
  return {"faketime", "-m", "--exclude-monotonic", "-f", "2024-01-01 12:00:00", s.program};
}

std::vector<std::string> EnvironmentOf(const Scenario& s) {
  std::vector<std::string> env = {"TZ=UTC"};
  // In a sanitized build the time library is preloaded ahead of the sanitizer runtime.
  if (s.frozenClock) env.push_back("ASAN_OPTIONS=verify_asan_link_order=0:detect_leaks=0");
  return env;
}

std::string ReadText(const fs::path& path) {
  std::string text;
  if (FILE* file = std::fopen(path.c_str(), "rb")) {
    char buffer[4096];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) text.append(buffer, n);
    std::fclose(file);
  }
  return text;
}

class WindowRunTest : public ::testing::TestWithParam<Scenario> {
 protected:
  void SetUp() override {
    for (const char* tool : {"Xvfb", "xdotool"}) {
      if (!HaveCommand(tool)) GTEST_SKIP() << tool << " is not installed";
    }
    if (GetParam().frozenClock && !HaveCommand("faketime")) {
      GTEST_SKIP() << "faketime is not installed";
    }
    dir = fs::temp_directory_path() /
          ("window-run-" + std::to_string(::getpid()) + "-" + GetParam().name);
    fs::remove_all(dir);
    fs::create_directories(dir / "snapshots");
  }

  void TearDown() override {
    if (!dir.empty() && !HasFailure()) fs::remove_all(dir);
  }

  // The snapshots of a headless run with the same answers and keys.
  void RunHeadless(const Scenario& s) {
    std::vector<std::string> env = EnvironmentOf(s);
    env.push_back("WINGRAPH_DRIVER=headless");
    env.push_back(std::string("WINGRAPH_KEYS=") + s.headlessKeys);
    env.push_back("WINGRAPH_SNAPSHOTS=" + (dir / "snapshots").string());
    Process run;
    ASSERT_TRUE(run.Start(CommandOf(s), env, {"DISPLAY"}, s.answers, dir / "headless.txt"));
    ASSERT_TRUE(run.WaitExit(Clock::now() + 6 * kPatience)) << "the headless run hangs";
    ASSERT_EQ(run.ExitStatus(), 0) << ReadText(dir / "headless.txt");
  }

  IndexedPage Snapshot(int number) {
    char name[32];
    std::snprintf(name, sizeof name, "screen-%03d.png", number);
    IndexedPage page;
    EXPECT_TRUE(ReadIndexedPng(dir / "snapshots" / name, page)) << name;
    return page;
  }

  // Polls screenshots until the window shows the page; the last difference otherwise.
  void ExpectShown(VirtualDisplay& display, const char* title, unsigned long& window,
                   Process& program, const IndexedPage& page, int scale, int snapshot) {
    const auto deadline = Clock::now() + kPatience;
    RgbImage shot;
    long mismatches = -2;
    while (Clock::now() < deadline) {
      if (display.Capture(window, shot)) {
        mismatches = CountMismatches(shot, page, scale);
        if (mismatches == 0) return;
      } else {
        // The first window can be replaced by another of the same title while the
        // renderer is set up.
        window = display.WaitForWindow(title, deadline);
      }
      if (!program.Running()) break;
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    const fs::path saved = dir / ("window-" + std::to_string(snapshot) + ".ppm");
    WritePpm(shot, saved);
    ADD_FAILURE() << "the window never showed snapshot " << snapshot << " (last screenshot "
                  << shot.width << "x" << shot.height << ", " << mismatches
                  << " pixels differ, saved in " << saved.string() << "); program "
                  << (program.Running() ? "running" : "ended") << ", output:\n"
                  << ReadText(dir / "window.txt");
  }

  fs::path dir;
};

TEST_P(WindowRunTest, WindowShowsTheHeadlessSnapshotsAtEachKeyWait) {
  const Scenario& s = GetParam();
  ASSERT_NO_FATAL_FAILURE(RunHeadless(s));

  VirtualDisplay display(s.screenWidth, s.screenHeight);
  ASSERT_TRUE(display.Ok()) << "the virtual X server did not start";
  Process program;
  std::vector<std::string> env = EnvironmentOf(s);
  env.push_back("DISPLAY=" + display.Name());
  ASSERT_TRUE(program.Start(CommandOf(s), env, {"WINGRAPH_DRIVER", "WINGRAPH_KEYS"}, s.answers,
                            dir / "window.txt"));
  unsigned long window = display.WaitForWindow(s.title, Clock::now() + kPatience);
  ASSERT_NE(window, 0u) << "no window titled " << s.title << "; output:\n"
                        << ReadText(dir / "window.txt");

  IndexedPage shown;
  for (std::size_t i = 0; i < s.steps.size() && !HasFailure(); ++i) {
    const Step& step = s.steps[i];
    SCOPED_TRACE("step " + std::to_string(i + 1));
    switch (step.action) {
      case Action::kShows: {
        const IndexedPage page = Snapshot(step.snapshot);
        // A picture equal to the one before would pass even if the keys did nothing.
        ASSERT_NE(page.pixels, shown.pixels) << "snapshot " << step.snapshot << " shows no change";
        ExpectShown(display, s.title, window, program, page, s.scale, step.snapshot);
        shown = page;
        break;
      }
      case Action::kKeys:
        ASSERT_TRUE(display.TypeKeys(window, step.keys)) << step.keys;
        break;
      case Action::kCloseBox:
        ASSERT_TRUE(display.SendCloseBox(window));
        break;
      case Action::kExits:
        ASSERT_TRUE(program.WaitExit(Clock::now() + kPatience)) << "the program did not end";
        EXPECT_EQ(program.ExitStatus(), 0) << ReadText(dir / "window.txt");
        break;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Programs, WindowRunTest, ::testing::ValuesIn(Scenarios()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace windowtest
