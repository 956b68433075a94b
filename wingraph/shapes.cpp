// Lines, circles, elliptic arcs, rectangles and bars. Coordinates may be anything an int
// holds: the arithmetic is 64/128-bit and every loop runs over page rows or columns only,
// so a line from -2e9 to 2e9 or a circle of radius 2e9 costs no more than one across the
// page.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

#include "wingraph/driver.h"

namespace wingraph {

namespace {

using i64 = std::int64_t;
using i128 = __int128;

constexpr double kPi = 3.14159265358979323846;

bool Thick(const Device& dev) {
  return dev.state.lineThickness > 1;
}

i128 FloorDiv(i128 num, i128 den) {
  i128 q = num / den;
  if (num % den != 0 && (num < 0) != (den < 0)) --q;
  return q;
}

// Integer Bresenham over the major axis a (the minor axis is b), from the endpoint with the
// smaller a, so Line(p, q) and Line(q, p) set the same pixels. The minor coordinate at a is
// b1 + round((a - a1) * db / da) with halves rounded up; only a inside [0, aLimit) is visited.
template <typename Plot>
void BresenhamSpan(i64 a1, i64 b1, i64 a2, i64 b2, i64 aLimit, Plot plot) {
  if (a1 > a2) {
    std::swap(a1, a2);
    std::swap(b1, b2);
  }
  const i64 da = a2 - a1;
  const i64 db = b2 - b1;
  const i64 first = std::max<i64>(a1, 0);
  const i64 last = std::min<i64>(a2, aLimit - 1);
  if (first > last) return;
  if (da == 0) {
    plot(a1, b1);
    return;
  }
  const i64 den = 2 * da;
  const i128 num = static_cast<i128>(2) * (first - a1) * db + da;
  i128 q = FloorDiv(num, den);
  i64 r = static_cast<i64>(num - q * den);  // 0 <= r < den
  i64 b = static_cast<i64>(b1 + q);
  for (i64 a = first; a <= last; ++a) {
    plot(a, b);
    r += 2 * db;
    if (r >= den) {
      r -= den;
      ++b;
    } else if (r < 0) {
      r += den;
      --b;
    }
  }
}

void DrawLine(Device& dev, i64 x1, i64 y1, i64 x2, i64 y2, std::uint8_t color, bool thick) {
  const i64 dx = x2 > x1 ? x2 - x1 : x1 - x2;
  const i64 dy = y2 > y1 ? y2 - y1 : y1 - y2;
  if (dx >= dy) {
    BresenhamSpan(x1, y1, x2, y2, dev.width, [&](i64 x, i64 y) {
      PlotClipped(dev, x, y, color);
      if (thick) {
        PlotClipped(dev, x, y - 1, color);
        PlotClipped(dev, x, y + 1, color);
      }
    });
  } else {
    BresenhamSpan(y1, x1, y2, x2, dev.height, [&](i64 y, i64 x) {
      PlotClipped(dev, x, y, color);
      if (thick) {
        PlotClipped(dev, x - 1, y, color);
        PlotClipped(dev, x + 1, y, color);
      }
    });
  }
}

// Which parts of an ellipse to set: all of it, or the pixels whose parametric angle lies in
// the counter-clockwise sweep from `start` (degrees, y up).
struct ArcFilter {
  bool full = true;
  double start = 0;
  double sweep = 0;
  double xr = 1;
  double yr = 1;
  double tolerance = 0;

  bool Accepts(i64 dx, i64 dyDown) const {
    if (full) return true;
    double angle =
        std::atan2(-static_cast<double>(dyDown) * xr, static_cast<double>(dx) * yr) * 180.0 / kPi;
    double rel = std::fmod(angle - start + 720.0, 360.0);
    return rel <= sweep + tolerance || rel >= 360.0 - tolerance;
  }
};

// The midpoint rule in closed form: for a column offset x (0 <= x <= a) the row offset
// y >= 0 of the ellipse pixel is the largest y with a^2 (2y - 1)^2 <= 4 b^2 (a^2 - x^2), i.e.
// the row whose lower half-way line still lies inside. With a == b this is exactly the
// classic integer midpoint circle.
bool MidpointInside(i64 a, i64 b, i64 x, i64 y) {
  const i128 lhs = static_cast<i128>(a) * a * (2 * y - 1) * (2 * y - 1);
  const i128 rhs =
      static_cast<i128>(4) * b * b * (static_cast<i128>(a) * a - static_cast<i128>(x) * x);
  return lhs <= rhs;
}

i64 MidpointRow(i64 a, i64 b, i64 x) {
  if (a == 0) return b;
  const long double aa = static_cast<long double>(a);
  const long double xx = static_cast<long double>(x);
  const long double bb = static_cast<long double>(b);
  const long double exact = bb * std::sqrt(std::max<long double>(0, 1 - (xx / aa) * (xx / aa)));
  i64 y = static_cast<i64>(exact + 1);
  if (y > b) y = b;
  while (y > 0 && !MidpointInside(a, b, x, y)) --y;
  while (y < b && MidpointInside(a, b, x, y + 1)) ++y;
  return y;
}

// Region 1 of the quadrant runs while the curve is flatter than 45 degrees: b^2 x <= a^2 y.
bool InFlatRegion(i64 a, i64 b, i64 x) {
  return static_cast<i128>(b) * b * x <= static_cast<i128>(a) * a * MidpointRow(a, b, x);
}

// The flat region is a prefix of the columns; found by bisection, as for very unequal radii
// its end lies far from where the smooth curve turns 45 degrees.
i64 LastFlatColumn(i64 a, i64 b) {
  i64 lo = 0;  // InFlatRegion(a, b, 0) always holds
  i64 hi = a;
  while (lo < hi) {
    const i64 mid = lo + (hi - lo + 1) / 2;
    if (InFlatRegion(a, b, mid)) {
      lo = mid;
    } else {
      hi = mid - 1;
    }
  }
  return lo;
}

// Offsets t in [0, last] for which centre + t or centre - t lies in [0, limit): up to two
// ranges, merged when they overlap.
std::vector<std::pair<i64, i64>> VisibleOffsets(i64 centre, i64 limit, i64 last) {
  std::vector<std::pair<i64, i64>> ranges;
  const std::pair<i64, i64> candidates[2] = {{-centre, limit - 1 - centre},
                                             {centre - (limit - 1), centre}};
  for (auto [lo, hi] : candidates) {
    lo = std::max<i64>(lo, 0);
    hi = std::min<i64>(hi, last);
    if (lo <= hi) ranges.emplace_back(lo, hi);
  }
  if (ranges.size() == 2) {
    if (ranges[0].first > ranges[1].first) std::swap(ranges[0], ranges[1]);
    if (ranges[1].first <= ranges[0].second + 1) {
      ranges[0].second = std::max(ranges[0].second, ranges[1].second);
      ranges.pop_back();
    }
  }
  return ranges;
}

void PlotFour(Device& dev, i64 cx, i64 cy, i64 dx, i64 dy, std::uint8_t color,
              const ArcFilter& filter) {
  const i64 sx[4] = {dx, -dx, -dx, dx};
  const i64 sy[4] = {-dy, -dy, dy, dy};
  for (int k = 0; k < 4; ++k) {
    const i64 x = cx + sx[k];
    const i64 y = cy + sy[k];
    if (x < 0 || y < 0 || x >= dev.width || y >= dev.height) continue;
    if (filter.Accepts(sx[k], sy[k])) PlotClipped(dev, x, y, color);
  }
}

// An axis-aligned ellipse (a circle when a == b) by the midpoint rule: region 1 steps
// columns, region 2 steps rows, each mirrored into the four quadrants. Only the column and
// row offsets that can land on the page are visited.
void DrawEllipse(Device& dev, i64 cx, i64 cy, i64 a, i64 b, std::uint8_t color,
                 const ArcFilter& filter) {
  if (a < 0 || b < 0) return;
  const i64 lastColumn = LastFlatColumn(a, b);
  for (auto [lo, hi] : VisibleOffsets(cx, dev.width, lastColumn)) {
    i64 y = MidpointRow(a, b, lo);
    for (i64 x = lo; x <= hi; ++x) {
      while (y > 0 && !MidpointInside(a, b, x, y)) --y;
      PlotFour(dev, cx, cy, x, y, color, filter);
    }
  }
  const i64 lastRow = MidpointRow(a, b, lastColumn) - 1;
  for (auto [lo, hi] : VisibleOffsets(cy, dev.height, lastRow)) {
    i64 x = MidpointRow(b, a, lo);
    for (i64 y = lo; y <= hi; ++y) {
      while (x > 0 && !MidpointInside(b, a, y, x)) --x;
      PlotFour(dev, cx, cy, x, y, color, filter);
    }
  }
}

ArcFilter MakeArcFilter(i64 start, i64 end, i64 a, i64 b) {
  ArcFilter filter;
  const i64 s = ((start % 360) + 360) % 360;
  const i64 e = ((end % 360) + 360) % 360;
  const i64 span = end - start;
  if (span >= 360 || span <= -360 || (s == e && span != 0)) return filter;
  filter.full = false;
  filter.start = static_cast<double>(s);
  filter.sweep = static_cast<double>((e - s + 360) % 360);
  filter.xr = static_cast<double>(std::max<i64>(a, 1));
  filter.yr = static_cast<double>(std::max<i64>(b, 1));
  // Half a pixel of the larger radius, so the end pixels of an arc are not lost to rounding.
  filter.tolerance = 0.5 / static_cast<double>(std::max<i64>({a, b, 1})) * 180.0 / kPi;
  return filter;
}

// The ring, or with thickness 3 the rings one pixel inside and outside it as well, each
// swept over the same angles.
void DrawRings(Device& dev, i64 cx, i64 cy, i64 a, i64 b, i64 start, i64 end) {
  const std::uint8_t color = ColorByte(dev.state.color);
  if (a < 0 || b < 0) return;
  const int spread = Thick(dev) ? 1 : 0;
  for (int k = -spread; k <= spread; ++k) {
    DrawEllipse(dev, cx, cy, a + k, b + k, color, MakeArcFilter(start, end, a + k, b + k));
  }
}

}  // namespace

void Line(Device& dev, int x1, int y1, int x2, int y2) {
  DrawLine(dev, x1, y1, x2, y2, ColorByte(dev.state.color), Thick(dev));
}

void Circle(Device& dev, int x, int y, int radius) {
  DrawRings(dev, x, y, radius, radius, 0, 360);
}

void Ellipse(Device& dev, int x, int y, int startAngle, int endAngle, int xRadius, int yRadius) {
  DrawRings(dev, x, y, xRadius, yRadius, startAngle, endAngle);
}

void Rectangle(Device& dev, int x1, int y1, int x2, int y2) {
  Line(dev, x1, y1, x2, y1);
  Line(dev, x2, y1, x2, y2);
  Line(dev, x2, y2, x1, y2);
  Line(dev, x1, y2, x1, y1);
}

void Bar(Device& dev, int x1, int y1, int x2, int y2) {
  // Pattern 0 is the empty fill: the bar takes the background colour.
  const std::uint8_t color = dev.state.fillPattern == 0 ? 0 : ColorByte(dev.state.fillColor);
  const i64 left = std::max<i64>(std::min(x1, x2), 0);
  const i64 right = std::min<i64>(std::max(x1, x2), dev.width - 1);
  const i64 top = std::max<i64>(std::min(y1, y2), 0);
  const i64 bottom = std::min<i64>(std::max(y1, y2), dev.height - 1);
  if (left > right || top > bottom) return;
  auto& page = dev.pages[dev.state.activePage];
  for (i64 y = top; y <= bottom; ++y) {
    auto row = page.begin() + static_cast<std::ptrdiff_t>(y * dev.width);
    std::fill(row + left, row + right + 1, color);
  }
}

}  // namespace wingraph
