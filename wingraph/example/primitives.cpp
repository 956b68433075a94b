// Draws every primitive of the graphics layer once and waits for a key. The picture is drawn
// on the hidden page 1 and then shown, as an animation would flip pages. Run headless with
// WINGRAPH_DRIVER=headless WINGRAPH_SNAPSHOTS=DIR it leaves DIR/screen-001.png.
#include "wingraph/wingraph.h"

namespace wg = wingraph;

int main() {
  wg::Device dev;
  wg::InitGraph(dev, wg::kDriverVga256, wg::kMode640x480, "WINGRAPH");
  wg::OutTextXY(dev, 10, 10, "page 0: never shown");
  wg::SetActivePage(dev, 1);

  // Lines, 1 and 3 pixels thick.
  wg::Line(dev, 10, 10, 200, 60);
  wg::SetColor(dev, wg::kYellow);
  wg::SetLineStyle(dev, 0, 0, 3);
  wg::Line(dev, 10, 30, 200, 80);
  wg::Line(dev, 220, 10, 240, 120);
  wg::SetLineStyle(dev, 0, 0, 1);

  // Circles, thin and thick.
  wg::SetColor(dev, wg::kLightGreen);
  wg::Circle(dev, 330, 70, 50);
  wg::SetLineStyle(dev, 0, 0, 3);
  wg::SetColor(dev, wg::kGreen);
  wg::Circle(dev, 460, 70, 50);
  wg::SetLineStyle(dev, 0, 0, 1);

  // An elliptic arc from 330 degrees over the top to 210 degrees.
  wg::SetColor(dev, wg::kCyan);
  wg::Ellipse(dev, 580, 70, 330, 210, 50, 20);

  // Rectangle outline and a filled bar.
  wg::SetColor(dev, wg::kLightMagenta);
  wg::Rectangle(dev, 10, 140, 150, 220);
  wg::SetFillStyle(dev, 1, wg::kRed);
  wg::Bar(dev, 170, 140, 310, 220);

  // Single pixels in every colour of the basic set.
  for (int c = 0; c < 16; ++c) wg::PutPixel(dev, 330 + 4 * c, 180, c);

  // Text: every justification around a marked anchor, and code page 437 letters.
  wg::SetTextStyle(dev, 0, 0, 2);
  wg::SetColor(dev, wg::kWhite);
  wg::OutTextXY(dev, 10, 250, "Courier 16: ABC xyz 0123");
  wg::SetColor(dev, wg::kLightRed);
  wg::OutTextXY(dev, 10, 280, "Rom\x83nia \x8Cn m\x85r 30\xF8");
  for (int h = 0; h < 3; ++h) {
    for (int v = 0; v < 3; ++v) {
      const int x = 120 + 200 * h;
      const int y = 340 + 45 * v;
      wg::PutPixel(dev, x, y, wg::kRed);
      wg::SetTextJustify(dev, h, v);
      wg::SetColor(dev, wg::kLightBlue);
      wg::OutTextXY(dev, x, y, "Hg");
    }
  }
  wg::SetTextJustify(dev, 0, 0);
  wg::SetTextStyle(dev, 0, 0, 1);
  wg::SetColor(dev, wg::kGrey);
  wg::OutTextXY(dev, 10, 460, "size 1: the quick brown fox");

  wg::SetVisualPage(dev, 1);
  wg::ReadKey(dev);
  wg::CloseGraph(dev);
  return 0;
}
