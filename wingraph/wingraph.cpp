// Placeholder until the real layer lands: pages in memory, no window.
#include "wingraph/wingraph.h"

namespace wingraph {

Device MakeMemoryDevice(int width, int height) {
  Device dev;
  dev.width = width;
  dev.height = height;
  for (auto& page : dev.pages) page.assign(static_cast<size_t>(width) * height, 0);
  return dev;
}
void InitGraph(Device& dev, int, int mode, std::string_view) {
  dev = mode == kMode800x600 ? MakeMemoryDevice(800, 600) : MakeMemoryDevice(640, 480);
}
void CloseGraph(Device&) {}
int GetMaxX(const Device& dev) { return dev.width - 1; }
int GetMaxY(const Device& dev) { return dev.height - 1; }
void ClearDevice(Device&) {}
void SetColor(Device& dev, int color) { dev.state.color = color; }
int GetColor(const Device& dev) { return dev.state.color; }
void PutPixel(Device&, int, int, int) {}
int GetPixel(const Device&, int, int) { return 0; }
void SetLineStyle(Device&, int, int, int) {}
void Line(Device&, int, int, int, int) {}
void Circle(Device&, int, int, int) {}
void Ellipse(Device&, int, int, int, int, int, int) {}
void Rectangle(Device&, int, int, int, int) {}
void SetFillStyle(Device&, int, int) {}
void Bar(Device&, int, int, int, int) {}
void SetTextStyle(Device&, int, int, int) {}
void SetTextJustify(Device&, int, int) {}
void OutTextXY(Device&, int, int, std::string_view) {}
int TextWidth(const Device&, std::string_view) { return 0; }
int TextHeight(const Device&, std::string_view) { return 0; }
void SetActivePage(Device&, int) {}
void SetVisualPage(Device&, int) {}
int ReadKey(Device&) { return 27; }
bool KeyPressed(Device&) { return true; }
bool SavePagePng(const Device&, int, const std::string&) { return false; }

}  // namespace wingraph
