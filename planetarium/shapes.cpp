#include "planetarium/shapes.h"

#include <algorithm>
#include <cmath>

namespace planetarium {

namespace {

bool WithinLimit(double value) {
  return std::fabs(value) <= kShapeLimit;
}

// Whether the box [x - xr, x + xr] x [y - yr, y + yr] can touch a pixel of the page; false
// for NaN too.
bool BoxMeetsPage(const wingraph::Device& dev, double x, double y, double xr, double yr) {
  const double maxX = wingraph::GetMaxX(dev);
  const double maxY = wingraph::GetMaxY(dev);
  return x + xr >= -1.0 && x - xr <= maxX + 1.0 && y + yr >= -1.0 && y - yr <= maxY + 1.0;
}

// Whether the whole page lies strictly inside the circle, away from its outline.
bool PageInsideCircle(const wingraph::Device& dev, double x, double y, double r) {
  const double maxX = wingraph::GetMaxX(dev);
  const double maxY = wingraph::GetMaxY(dev);
  const double dx = std::max(std::fabs(x), std::fabs(x - maxX)) + 1.0;
  const double dy = std::max(std::fabs(y), std::fabs(y - maxY)) + 1.0;
  return std::hypot(dx, dy) < r - 1.0;
}

}  // namespace

double Nint(double x) {
  return std::nearbyint(x);
}

void PutPixelAt(wingraph::Device& dev, double x, double y, int colour) {
  const double px = Nint(x);
  const double py = Nint(y);
  if (!BoxMeetsPage(dev, px, py, 0.0, 0.0)) return;
  wingraph::PutPixel(dev, static_cast<int>(px), static_cast<int>(py), colour);
}

void CircleAt(wingraph::Device& dev, double x, double y, double radius) {
  const double cx = Nint(x);
  const double cy = Nint(y);
  const double r = Nint(radius);
  if (!BoxMeetsPage(dev, cx, cy, std::fabs(r), std::fabs(r)) || PageInsideCircle(dev, cx, cy, r))
    return;
  if (!WithinLimit(cx) || !WithinLimit(cy) || !WithinLimit(r)) return;
  wingraph::Circle(dev, static_cast<int>(cx), static_cast<int>(cy), static_cast<int>(r));
}

void EllipseAt(wingraph::Device& dev, double x, double y, int startAngle, int endAngle,
               double xRadius, double yRadius) {
  const double cx = Nint(x);
  const double cy = Nint(y);
  const double xr = Nint(xRadius);
  const double yr = Nint(yRadius);
  if (!BoxMeetsPage(dev, cx, cy, std::fabs(xr), std::fabs(yr))) return;
  if (!WithinLimit(cx) || !WithinLimit(cy) || !WithinLimit(xr) || !WithinLimit(yr)) return;
  wingraph::Ellipse(dev, static_cast<int>(cx), static_cast<int>(cy), startAngle, endAngle,
                    static_cast<int>(xr), static_cast<int>(yr));
}

}  // namespace planetarium
