// The graphics window: paletted pages in memory, a drawing state, drawing primitives,
// text, a key queue, and a driver that shows the visual page (an SDL2 window with its own
// thread, or a headless driver for tests and scripted runs).
//
// Every operation takes the device it works on, so screens can be drawn into an in-memory
// device in a test and checked pixel by pixel. Coordinates may be anything: drawing is
// clipped to the page and never touches memory outside it.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "wingraph/palette.h"

namespace wingraph {

inline constexpr int kPageCount = 4;
inline constexpr int kKeyQueueCapacity = 32;

// Graphics modes of driver 3 (256-colour palette).
inline constexpr int kDriverVga256 = 3;
inline constexpr int kMode640x480 = 4;
inline constexpr int kMode800x600 = 6;

// Codes of special keys; each arrives as 0 followed by the code.
inline constexpr int kKeyEsc = 27;
inline constexpr int kKeyEnter = 13;
inline constexpr int kKeyBackspace = 8;
inline constexpr int kKeyUp = 72;
inline constexpr int kKeyLeft = 75;
inline constexpr int kKeyRight = 77;
inline constexpr int kKeyDown = 80;
inline constexpr int kKeyCtrlLeft = 115;
inline constexpr int kKeyCtrlRight = 116;
inline constexpr int kKeyCloseBox = 107;

struct DrawState {
  int color = 15;
  int lineStyle = 0;
  int linePattern = 0;
  int lineThickness = 1;
  int fillPattern = 1;
  int fillColor = 15;
  int textFont = 0;
  int textDirection = 0;
  int textSize = 1;
  int justifyH = 0;  // 0 left edge on x, 1 centred on x, 2 right edge on x
  int justifyV = 0;  // 0 top edge on y, 1 bottom edge on y, 2 baseline on y
  int activePage = 0;
  int visualPage = 0;
};

class Driver;  // shows the visual page and supplies keys; defined in driver.h

struct Device {
  int width = 0;
  int height = 0;
  std::array<std::vector<std::uint8_t>, kPageCount> pages;  // width * height palette indices
  DrawState state;
  std::shared_ptr<Driver> driver;  // null while no window is open
};

// An in-memory device of the given size with the settings InitGraph leaves; no window,
// so ReadKey returns 0 at once and KeyPressed is false.
Device MakeMemoryDevice(int width, int height);

// Opens the window (driver 3; mode 4 = 640 x 480, mode 6 = 800 x 600) and returns when it
// is shown. The driver is chosen by WINGRAPH_DRIVER: "window" (default) or "headless".
// When the window cannot be opened it writes one line to standard error and exits with 1.
void InitGraph(Device& dev, int driver, int mode, std::string_view title);
void CloseGraph(Device& dev);

int GetMaxX(const Device& dev);
int GetMaxY(const Device& dev);

void ClearDevice(Device& dev);  // clears the active page to 0, keeps the settings
void SetColor(Device& dev, int color);
int GetColor(const Device& dev);
void PutPixel(Device& dev, int x, int y, int color);
int GetPixel(const Device& dev, int x, int y);  // of the active page; 0 outside it

void SetLineStyle(Device& dev, int style, int pattern, int thickness);
void Line(Device& dev, int x1, int y1, int x2, int y2);
void Circle(Device& dev, int x, int y, int radius);
// Arc from startAngle to endAngle in degrees, counter-clockwise from the positive x axis
// with y upwards.
void Ellipse(Device& dev, int x, int y, int startAngle, int endAngle, int xRadius, int yRadius);
void Rectangle(Device& dev, int x1, int y1, int x2, int y2);
void SetFillStyle(Device& dev, int pattern, int color);
void Bar(Device& dev, int x1, int y1, int x2, int y2);

void SetTextStyle(Device& dev, int font, int direction, int size);
void SetTextJustify(Device& dev, int horizontal, int vertical);
// Text bytes are code page 437; drawn in the current colour, transparent background.
void OutTextXY(Device& dev, int x, int y, std::string_view text);
int TextWidth(const Device& dev, std::string_view text);
int TextHeight(const Device& dev, std::string_view text);

void SetActivePage(Device& dev, int page);
void SetVisualPage(Device& dev, int page);

// Waits for a key in the window and returns its code; 0 at once when no window is open.
int ReadKey(Device& dev);
// Whether a code is waiting; never waits.
bool KeyPressed(Device& dev);

// Writes a page as an 8-bit indexed PNG with the palette; false when the file cannot be written.
bool SavePagePng(const Device& dev, int page, const std::string& path);

}  // namespace wingraph
