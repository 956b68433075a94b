// Pages, drawing state and the opening and closing of the window.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "wingraph/driver.h"

namespace wingraph {

namespace {

bool ValidPage(int page) {
  return page >= 0 && page < kPageCount;
}

std::string EnvText(const char* name) {
  const char* value = std::getenv(name);
  return value ? std::string(value) : std::string();
}

}  // namespace

Device MakeMemoryDevice(int width, int height) {
  Device dev;
  dev.width = width > 0 ? width : 0;
  dev.height = height > 0 ? height : 0;
  for (auto& page : dev.pages) page.assign(static_cast<std::size_t>(dev.width) * dev.height, 0);
  return dev;
}

void InitGraph(Device& dev, int /*driver*/, int mode, std::string_view title) {
  CloseGraph(dev);
  const int width = mode == kMode800x600 ? 800 : 640;
  const int height = mode == kMode800x600 ? 600 : 480;
  dev = MakeMemoryDevice(width, height);
  const std::string driverName = EnvText("WINGRAPH_DRIVER");
  if (driverName == "headless") {
    dev.driver = MakeHeadlessDriver(EnvText("WINGRAPH_KEYS"), EnvText("WINGRAPH_SNAPSHOTS"));
  } else if (driverName.empty() || driverName == "window") {
    dev.driver = OpenWindowDriver(width, height, title);
  } else {
    std::fprintf(stderr,
                 "wingraph: unknown WINGRAPH_DRIVER \"%s\" (use \"window\" or \"headless\")\n",
                 driverName.c_str());
    std::exit(1);
  }
  dev.driver->Present(dev, false);
}

void CloseGraph(Device& dev) {
  if (!dev.driver) return;
  dev.driver->Close();
  dev.driver.reset();
}

int GetMaxX(const Device& dev) {
  return dev.width - 1;
}
int GetMaxY(const Device& dev) {
  return dev.height - 1;
}

void ClearDevice(Device& dev) {
  auto& page = dev.pages[dev.state.activePage];
  std::fill(page.begin(), page.end(), std::uint8_t{0});
}

void SetColor(Device& dev, int color) {
  dev.state.color = color;
}
int GetColor(const Device& dev) {
  return dev.state.color;
}

void PutPixel(Device& dev, int x, int y, int color) {
  PlotClipped(dev, x, y, ColorByte(color));
}

int GetPixel(const Device& dev, int x, int y) {
  if (x < 0 || y < 0 || x >= dev.width || y >= dev.height) return 0;
  return dev.pages[dev.state.activePage][static_cast<std::size_t>(y) * dev.width + x];
}

void SetLineStyle(Device& dev, int style, int pattern, int thickness) {
  dev.state.lineStyle = style;
  dev.state.linePattern = pattern;
  dev.state.lineThickness = thickness;
}

void SetFillStyle(Device& dev, int pattern, int color) {
  dev.state.fillPattern = pattern;
  dev.state.fillColor = color;
}

void SetActivePage(Device& dev, int page) {
  if (ValidPage(page)) dev.state.activePage = page;
}

void SetVisualPage(Device& dev, int page) {
  if (!ValidPage(page)) return;
  dev.state.visualPage = page;
  if (dev.driver) dev.driver->Present(dev, true);
}

int ReadKey(Device& dev) {
  return dev.driver ? dev.driver->ReadKey(dev) : 0;
}

bool KeyPressed(Device& dev) {
  return dev.driver ? dev.driver->KeyPressed(dev) : false;
}

bool SavePagePng(const Device& dev, int page, const std::string& path) {
  if (!ValidPage(page)) return false;
  return WriteIndexedPng(dev.pages[page].data(), dev.width, dev.height, path);
}

}  // namespace wingraph
