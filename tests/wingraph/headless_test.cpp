// The headless driver: the key script, the snapshots it writes, and the example program
// run as a user would run it.
#include <gtest/gtest.h>
#include <png.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "wingraph/driver.h"
#include "wingraph/wingraph.h"

namespace {

using namespace wingraph;
namespace fs = std::filesystem;

struct PngImage {
  bool ok = false;
  int width = 0;
  int height = 0;
  int colorType = -1;
  int bitDepth = 0;
  std::vector<png_color> palette;
  std::vector<std::uint8_t> pixels;
};

PngImage ReadPng(const fs::path& path) {
  PngImage image;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return image;
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_read_struct(&png, &info, nullptr);
    std::fclose(file);
    return PngImage{};
  }
  png_init_io(png, file);
  png_read_info(png, info);
  image.width = static_cast<int>(png_get_image_width(png, info));
  image.height = static_cast<int>(png_get_image_height(png, info));
  image.colorType = png_get_color_type(png, info);
  image.bitDepth = png_get_bit_depth(png, info);
  png_colorp palette = nullptr;
  int count = 0;
  if (png_get_PLTE(png, info, &palette, &count)) image.palette.assign(palette, palette + count);
  image.pixels.resize(static_cast<size_t>(image.width) * image.height);
  std::vector<png_bytep> rows(image.height);
  for (int y = 0; y < image.height; ++y) rows[y] = image.pixels.data() + y * image.width;
  png_read_image(png, rows.data());
  png_read_end(png, nullptr);
  png_destroy_read_struct(&png, &info, nullptr);
  std::fclose(file);
  image.ok = true;
  return image;
}

void ExpectDefaultPalette(const PngImage& image) {
  ASSERT_EQ(image.palette.size(), 256u);
  for (int i = 0; i < 256; ++i) {
    EXPECT_EQ(image.palette[i].red, kDefaultPalette[i].r) << i;
    EXPECT_EQ(image.palette[i].green, kDefaultPalette[i].g) << i;
    EXPECT_EQ(image.palette[i].blue, kDefaultPalette[i].b) << i;
  }
}

class TempDir : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("wingraph-test-" + std::to_string(::getpid()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override {
    fs::remove_all(dir_);
    unsetenv("WINGRAPH_DRIVER");
    unsetenv("WINGRAPH_KEYS");
    unsetenv("WINGRAPH_SNAPSHOTS");
  }
  std::vector<std::string> Files() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir_)) {
      names.push_back(entry.path().filename());
    }
    std::sort(names.begin(), names.end());
    return names;
  }
  fs::path dir_;
};

std::vector<int> ReadKeys(Driver& driver, const Device& dev, int count) {
  std::vector<int> codes;
  for (int i = 0; i < count; ++i) codes.push_back(driver.ReadKey(dev));
  return codes;
}

TEST(HeadlessScript, KeysComeInOrderThenEscIsHeldDown) {
  const Device dev = MakeMemoryDevice(4, 4);
  auto driver = MakeHeadlessDriver("32,0,75,13", "");
  EXPECT_EQ(ReadKeys(*driver, dev, 6), (std::vector<int>{32, 0, 75, 13, 27, 27}));
  EXPECT_TRUE(driver->KeyPressed(dev));
}

TEST(HeadlessScript, DotMakesOneKeyPressedCallFalseAndReadKeySkipsIt) {
  const Device dev = MakeMemoryDevice(4, 4);
  auto driver = MakeHeadlessDriver(".,.,65,.,66", "");
  EXPECT_FALSE(driver->KeyPressed(dev));
  EXPECT_FALSE(driver->KeyPressed(dev));
  EXPECT_TRUE(driver->KeyPressed(dev));
  EXPECT_TRUE(driver->KeyPressed(dev));  // asking does not take the key
  EXPECT_EQ(driver->ReadKey(dev), 65);
  EXPECT_EQ(driver->ReadKey(dev), 66);  // the "." before 66 is passed over
  EXPECT_TRUE(driver->KeyPressed(dev));
  EXPECT_EQ(driver->ReadKey(dev), 27);
}

TEST(HeadlessScript, BlanksEmptyAndInvalidTokensAreSkipped) {
  const Device dev = MakeMemoryDevice(4, 4);
  testing::internal::CaptureStderr();
  auto driver = MakeHeadlessDriver(" 49 ,,256,-1,abc,0x41,1e2, . ,255,", "");
  const std::string errors = testing::internal::GetCapturedStderr();
  EXPECT_EQ(driver->ReadKey(dev), 49);
  EXPECT_FALSE(driver->KeyPressed(dev));  // the spaced-out "."
  EXPECT_EQ(ReadKeys(*driver, dev, 2), (std::vector<int>{255, 27}));
  EXPECT_NE(errors.find("\"256\""), std::string::npos);
  EXPECT_NE(errors.find("\"abc\""), std::string::npos);
  EXPECT_EQ(errors.find("\"\""), std::string::npos);  // empty tokens pass silently
}

TEST(HeadlessScript, EmptyScriptHoldsEscDown) {
  const Device dev = MakeMemoryDevice(4, 4);
  auto driver = MakeHeadlessDriver("", "");
  EXPECT_TRUE(driver->KeyPressed(dev));
  EXPECT_EQ(driver->ReadKey(dev), 27);
}

using HeadlessWindow = TempDir;

TEST_F(HeadlessWindow, EachReadKeySavesTheVisualPageFirst) {
  setenv("WINGRAPH_DRIVER", "headless", 1);
  setenv("WINGRAPH_KEYS", "65,.,0,77", 1);
  setenv("WINGRAPH_SNAPSHOTS", dir_.c_str(), 1);
  Device dev;
  InitGraph(dev, kDriverVga256, kMode800x600, "TEST");
  EXPECT_EQ(GetMaxX(dev), 799);
  EXPECT_EQ(GetMaxY(dev), 599);
  EXPECT_EQ(GetColor(dev), 15);
  SetColor(dev, kYellow);
  Circle(dev, 400, 300, 100);
  EXPECT_TRUE(KeyPressed(dev));
  EXPECT_EQ(ReadKey(dev), 65);
  const std::vector<std::uint8_t> firstScreen = dev.pages[0];
  // Draw on the hidden page 1, show it, then read twice more.
  SetActivePage(dev, 1);
  SetFillStyle(dev, 1, kRed);
  Bar(dev, 10, 10, 50, 50);
  EXPECT_FALSE(KeyPressed(dev));
  EXPECT_EQ(ReadKey(dev), 0);  // page 0 still shown
  SetVisualPage(dev, 1);
  EXPECT_EQ(ReadKey(dev), 77);
  EXPECT_EQ(ReadKey(dev), 27);
  CloseGraph(dev);
  EXPECT_EQ(ReadKey(dev), 0);  // no window any more
  EXPECT_EQ(Files(), (std::vector<std::string>{"screen-001.png", "screen-002.png", "screen-003.png",
                                               "screen-004.png"}));
  const PngImage first = ReadPng(dir_ / "screen-001.png");
  ASSERT_TRUE(first.ok);
  EXPECT_EQ(first.colorType, PNG_COLOR_TYPE_PALETTE);
  EXPECT_EQ(first.bitDepth, 8);
  EXPECT_EQ(first.width, 800);
  EXPECT_EQ(first.height, 600);
  ExpectDefaultPalette(first);
  EXPECT_EQ(first.pixels, firstScreen);
  EXPECT_EQ(ReadPng(dir_ / "screen-002.png").pixels, firstScreen);
  const PngImage third = ReadPng(dir_ / "screen-003.png");
  EXPECT_EQ(third.pixels, dev.pages[1]);
  EXPECT_EQ(third.pixels[20 * 800 + 20], kRed);
}

TEST_F(HeadlessWindow, WithoutSnapshotFolderNothingIsWritten) {
  setenv("WINGRAPH_DRIVER", "headless", 1);
  const fs::path before = fs::current_path();
  fs::current_path(dir_);
  Device dev;
  InitGraph(dev, kDriverVga256, kMode640x480, "TEST");
  EXPECT_EQ(GetMaxX(dev), 639);
  EXPECT_EQ(ReadKey(dev), 27);
  CloseGraph(dev);
  fs::current_path(before);
  EXPECT_TRUE(Files().empty());
}

TEST_F(HeadlessWindow, SavePagePngWritesAnyPage) {
  Device dev = MakeMemoryDevice(7, 5);
  SetActivePage(dev, 2);
  PutPixel(dev, 6, 4, 250);
  ASSERT_TRUE(SavePagePng(dev, 2, dir_ / "page.png"));
  const PngImage image = ReadPng(dir_ / "page.png");
  ASSERT_TRUE(image.ok);
  EXPECT_EQ(image.pixels, dev.pages[2]);
  EXPECT_FALSE(SavePagePng(dev, 2, dir_ / "missing" / "page.png"));
}

int RunShell(const std::string& command) {
  const int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

using ExampleProgram = TempDir;

TEST_F(ExampleProgram, HeadlessRunLeavesOneScreenOfEveryPrimitive) {
  const std::string command =
      "WINGRAPH_DRIVER=headless WINGRAPH_KEYS=32 WINGRAPH_SNAPSHOTS=" + dir_.string() + " " +
      ASTRO_WINGRAPH_EXAMPLE_EXE;
  ASSERT_EQ(RunShell(command), 0);
  ASSERT_EQ(Files(), std::vector<std::string>{"screen-001.png"});
  const PngImage image = ReadPng(dir_ / "screen-001.png");
  ASSERT_TRUE(image.ok);
  EXPECT_EQ(image.colorType, PNG_COLOR_TYPE_PALETTE);
  ASSERT_EQ(image.width, 640);
  ASSERT_EQ(image.height, 480);
  ExpectDefaultPalette(image);
  auto at = [&image](int x, int y) { return image.pixels[y * 640 + x]; };
  EXPECT_EQ(at(10, 10), kWhite);          // line start
  EXPECT_EQ(at(200, 60), kWhite);         // line end
  EXPECT_EQ(at(200, 81), kYellow);        // thick line, below its end
  EXPECT_EQ(at(380, 70), kLightGreen);    // circle, right-most point
  EXPECT_EQ(at(511, 70), kGreen);         // thick circle, outer ring
  EXPECT_EQ(at(580, 50), kCyan);          // arc top
  EXPECT_EQ(at(580, 90), 0);              // arc bottom left out
  EXPECT_EQ(at(10, 140), kLightMagenta);  // rectangle corner
  EXPECT_EQ(at(80, 180), 0);              // rectangle inside
  EXPECT_EQ(at(240, 180), kRed);          // bar
  EXPECT_EQ(at(330 + 4 * 9, 180), 9);     // pixel row
  int white = 0, lightRed = 0;
  for (int y = 250; y < 266; ++y) {
    for (int x = 10; x < 300; ++x) {
      white += at(x, y) == kWhite;
      lightRed += at(x, y + 30) == kLightRed;
    }
  }
  EXPECT_GT(white, 200);  // the text lines
  EXPECT_GT(lightRed, 150);
}

TEST_F(ExampleProgram, WithoutDisplayTheWindowDriverExplainsAndExitsWithOne) {
  const std::string errors = (dir_ / "stderr.txt").string();
  const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY -u WINGRAPH_DRIVER " +
                              std::string(ASTRO_WINGRAPH_EXAMPLE_EXE) + " 2>" + errors;
  EXPECT_EQ(RunShell(command), 1);
  std::FILE* file = std::fopen(errors.c_str(), "r");
  ASSERT_NE(file, nullptr);
  char line[512] = {};
  ASSERT_NE(std::fgets(line, sizeof line, file), nullptr);
  EXPECT_NE(std::string(line).find("WINGRAPH_DRIVER=headless"), std::string::npos) << line;
  EXPECT_EQ(std::fgets(line, sizeof line, file), nullptr);  // exactly one line
  std::fclose(file);
}

TEST_F(ExampleProgram, UnknownDriverNameIsRefused) {
  EXPECT_EQ(
      RunShell("WINGRAPH_DRIVER=vga " + std::string(ASTRO_WINGRAPH_EXAMPLE_EXE) + " 2>/dev/null"),
      1);
  EXPECT_TRUE(Files().empty());
}

}  // namespace
