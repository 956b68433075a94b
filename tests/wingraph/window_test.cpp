// The SDL window driver on a real display; skipped where there is none (run it under a
// virtual X server, e.g. xvfb-run -a, to exercise it).
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "wingraph/wingraph.h"

namespace {

using namespace wingraph;
namespace fs = std::filesystem;

constexpr const char* kTitle = "WINGRAPH WINDOW TEST";

bool Have(const char* tool) {
  return std::system((std::string("command -v ") + tool + " >/dev/null 2>&1").c_str()) == 0;
}

int RunCommand(const std::string& command) {
  const int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void DrawTestPicture(Device& dev) {
  SetColor(dev, kYellow);
  SetLineStyle(dev, 0, 0, 3);
  Circle(dev, 320, 240, 100);
  SetLineStyle(dev, 0, 0, 1);
  SetColor(dev, kLightCyan);
  Line(dev, 0, 0, 639, 479);
  SetFillStyle(dev, 1, kRed);
  Bar(dev, 20, 300, 120, 400);
  SetTextStyle(dev, 0, 0, 2);
  SetColor(dev, kLightGreen);
  OutTextXY(dev, 20, 20, "Fereastra \x85\x83\x8C 30\xF8");
}

TEST(WindowDriver, ShowsThePagePacesFlipsAndTakesKeys) {
  if (!std::getenv("DISPLAY")) GTEST_SKIP() << "no display";
  unsetenv("WINGRAPH_DRIVER");
  Device dev;
  InitGraph(dev, kDriverVga256, kMode640x480, kTitle);
  EXPECT_EQ(GetMaxX(dev), 639);
  EXPECT_FALSE(KeyPressed(dev));

  // A tight loop of page flips runs at the display's pace, not as fast as it can.
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < 30; ++i) SetVisualPage(dev, i % 2);
  EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(100));
  SetVisualPage(dev, 0);

  DrawTestPicture(dev);
  KeyPressed(dev);  // hands the page to the window
  if (Have("xdotool") && Have("import")) {
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    const fs::path shot =
        fs::temp_directory_path() / ("wingraph-window-" + std::to_string(::getpid()) + ".rgb");
    const std::string id = "$(xdotool search --name '" + std::string(kTitle) + "' | head -1)";
    ASSERT_EQ(RunCommand("import -window " + id + " -depth 8 rgb:" + shot.string()), 0);
    std::ifstream in(shot, std::ios::binary);
    const std::vector<unsigned char> rgb((std::istreambuf_iterator<char>(in)), {});
    fs::remove(shot);
    // The window opens at a whole multiple of the page size; every shown pixel is the
    // palette colour of the page pixel under it.
    const int scale = static_cast<int>(std::lround(std::sqrt(rgb.size() / 3.0 / (640 * 480))));
    ASSERT_GE(scale, 1);
    ASSERT_EQ(rgb.size(), static_cast<size_t>(3 * 640 * 480 * scale * scale));
    int mismatches = 0;
    for (int y = 0; y < 480 * scale; ++y) {
      for (int x = 0; x < 640 * scale; ++x) {
        const Rgb& want = kDefaultPalette[dev.pages[0][(y / scale) * 640 + x / scale]];
        const unsigned char* got = &rgb[3 * (static_cast<size_t>(y) * 640 * scale + x)];
        mismatches += got[0] != want.r || got[1] != want.g || got[2] != want.b;
      }
    }
    EXPECT_EQ(mismatches, 0);
  }
  if (Have("xdotool")) {
    ASSERT_EQ(RunCommand("xdotool search --name '" + std::string(kTitle) +
                         "' windowfocus --sync key a Left ctrl+Right shift+b F1 Escape"),
              0);
    const std::vector<int> expected = {'a', 0, 75, 0, 116, 'B', 0, 59, 27};
    std::vector<int> codes;
    for (size_t i = 0; i < expected.size(); ++i) codes.push_back(ReadKey(dev));
    EXPECT_EQ(codes, expected);
    EXPECT_FALSE(KeyPressed(dev));
  }
  CloseGraph(dev);
  EXPECT_EQ(ReadKey(dev), 0);
  EXPECT_FALSE(KeyPressed(dev));
}

}  // namespace
