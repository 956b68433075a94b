// Figures of the programs in real windows: time from start to the first picture, and the
// processor time the planetarium takes over ten seconds of following the clock. They take
// a while, so they run only when ASTRO_WINDOW_MEASURE is set; the figures go to the output.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "window/window_harness.h"
#include "wingraph/palette.h"

namespace windowtest {
namespace {

namespace fs = std::filesystem;

double Milliseconds(Clock::duration d) {
  return std::chrono::duration<double, std::milli>(d).count();
}

// utime + stime of a process or thread, in clock ticks, and its name.
struct CpuTicks {
  std::string name;
  long long ticks = -1;
};

CpuTicks ReadCpuTicks(const std::string& statPath) {
  std::ifstream in(statPath);
  std::string line;
  std::getline(in, line);
  CpuTicks result;
  const std::size_t open = line.find('(');
  const std::size_t close = line.rfind(')');
  if (open == std::string::npos || close == std::string::npos) return result;
  result.name = line.substr(open + 1, close - open - 1);
  std::istringstream fields(line.substr(close + 2));
  std::string field;
  long long utime = 0;
  long long stime = 0;
  // After the name: state is field 3; utime and stime are fields 14 and 15.
  for (int n = 3; n <= 15 && fields >> field; ++n) {
    if (n == 14) utime = std::stoll(field);
    if (n == 15) stime = std::stoll(field);
  }
  result.ticks = utime + stime;
  return result;
}

std::vector<std::pair<std::string, CpuTicks>> ThreadTicks(pid_t pid) {
  std::vector<std::pair<std::string, CpuTicks>> threads;
  const fs::path tasks = "/proc/" + std::to_string(pid) + "/task";
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(tasks, error)) {
    threads.emplace_back(entry.path().filename().string(),
                         ReadCpuTicks((entry.path() / "stat").string()));
  }
  return threads;
}

class WindowMeasureTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (std::getenv("ASTRO_WINDOW_MEASURE") == nullptr) {
      GTEST_SKIP() << "set ASTRO_WINDOW_MEASURE=1 to take the window figures";
    }
    for (const char* tool : {"Xvfb", "xdotool"}) {
      if (!HaveCommand(tool)) GTEST_SKIP() << tool << " is not installed";
    }
    dir = fs::temp_directory_path() / ("window-measure-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  void TearDown() override {
    if (!dir.empty()) fs::remove_all(dir);
  }

  // The first snapshot of a headless run: what the window shows first.
  IndexedPage FirstPicture(const std::string& program, const std::string& answers) {
    const fs::path snapshots = dir / "snapshots";
    fs::remove_all(snapshots);
    fs::create_directories(snapshots);
    Process run;
    EXPECT_TRUE(run.Start({program},
                          {"TZ=UTC", "WINGRAPH_DRIVER=headless", "WINGRAPH_KEYS=.,.,27",
                           "WINGRAPH_SNAPSHOTS=" + snapshots.string()},
                          {"DISPLAY"}, answers, ""));
    EXPECT_TRUE(run.WaitExit(Clock::now() + 6 * kPatience));
    IndexedPage page;
    EXPECT_TRUE(ReadIndexedPng(snapshots / "screen-001.png", page));
    return page;
  }

  // Starts the program on the display and polls closely for its first picture; the window
  // is left open for the caller.
  void TimeFirstPaint(VirtualDisplay& display, Process& program, const std::string& exe,
                      const std::string& title, const std::string& answers, const IndexedPage& page,
                      unsigned long& window) {
    ASSERT_TRUE(program.Start({exe}, {"TZ=UTC", "DISPLAY=" + display.Name()},
                              {"WINGRAPH_DRIVER", "WINGRAPH_KEYS"}, answers, ""));
    window = display.WaitForWindow(title, Clock::now() + kPatience);
    ASSERT_NE(window, 0u);
    const auto shown = Clock::now();
    RgbImage shot;
    while (Clock::now() < program.Started() + kPatience) {
      if (!display.Capture(window, shot)) {
        window = display.WaitForWindow(title, Clock::now() + kPatience);  // replaced
      } else if (CountMismatches(shot, page, 1) == 0) {
        break;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    const auto painted = Clock::now();
    ASSERT_EQ(CountMismatches(shot, page, 1), 0) << title << ": no first picture";
    std::printf("%-20s window shown %7.1f ms, first picture %7.1f ms after start\n", title.c_str(),
                Milliseconds(shown - program.Started()), Milliseconds(painted - program.Started()));
  }

  fs::path dir;
};

struct Program {
  const char* exe;
  const char* title;
  const char* answers;
};

TEST_F(WindowMeasureTest, TimeFromStartToFirstPicture) {
  const Program programs[] = {
      {ASTRO_NATALCHART_EXE, "ASTROGRAMA NASTERII", "1\n1\n1980\n12.00\n0\n-26.06\n44.26\n"},
      {ASTRO_CHARTANIM_EXE, "ASTROGRAMA ANIMATA", "1\n1\n1980\n12.00\n60\n-26.06\n44.26\n"},
      {ASTRO_BIORHYTHM_EXE, "BIORITMURI", "Ana\n1980\n3\n15\n2024\n1\n1\n"},
      {ASTRO_PLANETARIUM_EXE, "PLANETARIU", ""},
  };
  for (const Program& p : programs) {
    // The planetarium's picture follows the clock, so its first frame is awaited by the
    // window size only (a frame drawn at another second would never match).
    const bool followsClock = std::string(p.title) == "PLANETARIU";
    const IndexedPage page = FirstPicture(p.exe, p.answers);
    for (int run = 0; run < 3; ++run) {
      VirtualDisplay display(1280, 1024);
      ASSERT_TRUE(display.Ok());
      Process program;
      unsigned long window = 0;
      if (followsClock) {
        ASSERT_TRUE(program.Start({p.exe}, {"TZ=UTC", "DISPLAY=" + display.Name()},
                                  {"WINGRAPH_DRIVER", "WINGRAPH_KEYS"}, "", ""));
        window = display.WaitForWindow(p.title, Clock::now() + kPatience);
        ASSERT_NE(window, 0u);
        const auto shown = Clock::now();
        // The Sun is drawn in white at the centre of every frame: the first frame is there
        // when it is.
        RgbImage shot;
        const auto sunShown = [&shot] {
          return shot.width == 800 && shot.height == 600 &&
                 shot.rgb[3 * (299 * 800 + 401)] == wingraph::kDefaultPalette[wingraph::kWhite].r;
        };
        while (Clock::now() < program.Started() + kPatience) {
          if (!display.Capture(window, shot)) {
            window = display.WaitForWindow(p.title, Clock::now() + kPatience);  // replaced
          } else if (sunShown()) {
            break;
          }
          std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        const auto painted = Clock::now();
        ASSERT_TRUE(sunShown()) << "no first picture";
        std::printf("%-20s window shown %7.1f ms, first picture %7.1f ms after start\n", p.title,
                    Milliseconds(shown - program.Started()),
                    Milliseconds(painted - program.Started()));
      } else {
        ASSERT_NO_FATAL_FAILURE(
            TimeFirstPaint(display, program, p.exe, p.title, p.answers, page, window));
      }
      ASSERT_TRUE(display.TypeKeys(window, "Escape Escape Escape Escape"));
      ASSERT_TRUE(program.WaitExit(Clock::now() + kPatience));
    }
  }
}

TEST_F(WindowMeasureTest, PlanetariumProcessorTimeOverTenSeconds) {
  VirtualDisplay display(1280, 1024);
  ASSERT_TRUE(display.Ok());
  Process program;
  ASSERT_TRUE(program.Start({ASTRO_PLANETARIUM_EXE}, {"TZ=UTC", "DISPLAY=" + display.Name()},
                            {"WINGRAPH_DRIVER", "WINGRAPH_KEYS"}, "", ""));
  const unsigned long window = display.WaitForWindow("PLANETARIU", Clock::now() + kPatience);
  ASSERT_NE(window, 0u);
  const std::string self = "/proc/" + std::to_string(program.Pid()) + "/stat";
  const std::string server = "/proc/" + std::to_string(display.ServerPid()) + "/stat";
  const auto threadsBefore = ThreadTicks(program.Pid());
  const long long before = ReadCpuTicks(self).ticks;
  const long long serverBefore = ReadCpuTicks(server).ticks;
  const auto start = Clock::now();
  // The measured interval itself, not a wait for anything.
  std::this_thread::sleep_for(std::chrono::seconds(10));
  const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
  const long long after = ReadCpuTicks(self).ticks;
  const long long serverAfter = ReadCpuTicks(server).ticks;
  const auto threadsAfter = ThreadTicks(program.Pid());
  ASSERT_TRUE(program.Running());
  const double tick = static_cast<double>(sysconf(_SC_CLK_TCK));
  std::printf("planetarium: %.2f s of processor time in %.2f s (%.1f %% of one core)\n",
              (after - before) / tick, seconds, 100.0 * (after - before) / tick / seconds);
  for (const auto& [tid, ticks] : threadsAfter) {
    long long earlier = 0;
    for (const auto& [id, t] : threadsBefore) {
      if (id == tid) earlier = t.ticks;
    }
    std::printf("  thread %-8s %-16s %.2f s\n", tid.c_str(), ticks.name.c_str(),
                (ticks.ticks - earlier) / tick);
  }
  std::printf("  X server: %.2f s\n", (serverAfter - serverBefore) / tick);
  ASSERT_TRUE(display.TypeKeys(window, "Escape"));
  ASSERT_TRUE(program.WaitExit(Clock::now() + kPatience));
  EXPECT_EQ(program.ExitStatus(), 0);
}

}  // namespace
}  // namespace windowtest
