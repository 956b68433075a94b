#include "planetarium/plot_line.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace planetarium {

namespace {

// Cuts the segment to the square |x|, |y| <= limit (parametric clipping); false when no part
// of it lies inside. The coordinates are first scaled by a power of two, exactly, so that
// differences of huge values cannot overflow.
bool ClipToSquare(double& x1, double& y1, double& x2, double& y2, double limit) {
  const double largest = std::max({std::fabs(x1), std::fabs(y1), std::fabs(x2), std::fabs(y2)});
  if (largest <= limit) return true;
  int exponent = 0;
  std::frexp(largest, &exponent);
  const double ax = std::ldexp(x1, -exponent);
  const double ay = std::ldexp(y1, -exponent);
  const double dx = std::ldexp(x2, -exponent) - ax;
  const double dy = std::ldexp(y2, -exponent) - ay;
  const double bound = std::ldexp(limit, -exponent);

  double enter = 0.0;
  double leave = 1.0;
  // Keeps the part of the segment where p * s <= q.
  auto keep = [&](double p, double q) {
    if (p == 0.0) return q >= 0.0;
    const double s = q / p;
    if (p < 0.0) {
      if (s > leave) return false;
      enter = std::max(enter, s);
    } else {
      if (s < enter) return false;
      leave = std::min(leave, s);
    }
    return true;
  };
  if (!keep(-dx, ax + bound) || !keep(dx, bound - ax) || !keep(-dy, ay + bound) ||
      !keep(dy, bound - ay)) {
    return false;
  }
  x1 = std::clamp(std::ldexp(ax + enter * dx, exponent), -limit, limit);
  y1 = std::clamp(std::ldexp(ay + enter * dy, exponent), -limit, limit);
  x2 = std::clamp(std::ldexp(ax + leave * dx, exponent), -limit, limit);
  y2 = std::clamp(std::ldexp(ay + leave * dy, exponent), -limit, limit);
  return true;
}

// Steps along the axis "a" (x, or y when swapped) and plots the other coordinate "b" from
// the fixed-point value v. Only the steps that land on the page are walked.
void StepAlong(wingraph::Device& dev, int colour, double a1, double b1, double a2, double b2,
               long long aMax, long long bMax, bool swapped) {
  if (a1 == a2) return;
  const auto step = static_cast<long long>(std::nearbyint((b2 - b1) * 65536.0 / (a2 - a1)));
  double as = a1;
  double bs = b1;
  double ae = a2;
  if (a2 < a1) {
    as = a2;
    bs = b2;
    ae = a1;
  }
  const auto first = static_cast<long long>(std::nearbyint(as));
  const auto end = static_cast<long long>(std::nearbyint(ae));
  long long v = static_cast<long long>(
      std::nearbyint((static_cast<double>(first) - as) * static_cast<double>(step) + 65536.0 * bs));
  const long long from = std::max(first, 0LL);
  const long long to = std::min(end - 1, aMax);
  v += (from - first) * step;
  for (long long a = from; a <= to; ++a, v += step) {
    const long long b = v / 65536;  // truncates toward zero
    if (b < 0 || b > bMax) continue;
    if (swapped) {
      wingraph::PutPixel(dev, static_cast<int>(b), static_cast<int>(a), colour);
    } else {
      wingraph::PutPixel(dev, static_cast<int>(a), static_cast<int>(b), colour);
    }
  }
}

// Cosine and sine of the 65 polygon angles k pi / 32, the same for every orbit and frame.
struct PolygonAngles {
  std::array<double, 65> cosine;
  std::array<double, 65> sine;
};

const PolygonAngles& OrbitAngles() {
  static const PolygonAngles angles = [] {
    PolygonAngles a{};
    for (int k = 0; k <= 64; ++k) {
      const double theta = k * std::numbers::pi / 32.0;
      a.cosine[k] = std::cos(theta);
      a.sine[k] = std::sin(theta);
    }
    return a;
  }();
  return angles;
}

}  // namespace

void PlotLine(wingraph::Device& dev, int colour, double x1, double y1, double x2, double y2) {
  const int maxX = wingraph::GetMaxX(dev);
  const int maxY = wingraph::GetMaxY(dev);
  if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2)) {
    return;
  }
  if ((x1 < 0 && x2 < 0) || (x1 >= maxX && x2 >= maxX) || (y1 < 0 && y2 < 0) ||
      (y1 >= maxY && y2 >= maxY)) {
    return;
  }
  if (!ClipToSquare(x1, y1, x2, y2, kPlotLimit)) return;
  if (std::fabs(y2 - y1) <= std::fabs(x2 - x1)) {
    StepAlong(dev, colour, x1, y1, x2, y2, maxX, maxY, false);
  } else {
    StepAlong(dev, colour, y1, x1, y2, x2, maxY, maxX, true);
  }
}

void DrawOrbit(wingraph::Device& dev, int colour, const OrbitFrame& frame) {
  const PolygonAngles& angles = OrbitAngles();
  ScreenPoint previous{};
  for (int k = 0; k <= 64; ++k) {
    const double c = angles.cosine[k];
    const double s = angles.sine[k];
    const ScreenPoint next{frame.centre.x + frame.axisA.x * c + frame.axisB.x * s,
                           frame.centre.y + frame.axisA.y * c + frame.axisB.y * s};
    if (k > 0) PlotLine(dev, colour, previous.x, previous.y, next.x, next.y);
    previous = next;
  }
}

}  // namespace planetarium
