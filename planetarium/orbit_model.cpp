#include "planetarium/orbit_model.h"

#include <cmath>
#include <numbers>

namespace planetarium {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

}  // namespace

double SolveKepler(double m, double k) {
  m -= kTwoPi * std::trunc(m / kTwoPi);
  // For angles beyond about 2^55 the product above is rounded by more than a turn; the exact
  // remainder keeps the two loops below to one pass. An infinite angle has become NaN here
  // and passes through untouched.
  if (std::fabs(m) > 2.0 * kTwoPi) m = std::fmod(m, kTwoPi);
  while (m < 0.0) m += kTwoPi;
  while (m >= kTwoPi) m -= kTwoPi;

  double e = m - (1.0 - k * std::cos(m)) * (k * std::sin(m));
  for (int step = 0; step < 8; ++step) {
    const double next = e + (m - e - k * std::sin(e)) / (1.0 + k * std::cos(e));
    if (next == e) break;
    e = next;
  }
  return e;
}

OrbitGeometry OrbitGeometryOf(const PlanetRow& row) {
  const double a = (row.perihelion + row.aphelion) / 2.0;
  const double c = a - row.perihelion;
  return OrbitGeometry{a, c, std::sqrt(a * a - c * c), c / a};
}

OrbitFrame OrbitFrameOf(const PlanetRow& row, double zoom, ScreenPoint screenCentre) {
  const OrbitGeometry g = OrbitGeometryOf(row);
  const double s = 2.0 * zoom;
  const double ux = s * std::cos(row.perihelionLongitude);
  const double uy = s * std::sin(row.perihelionLongitude);
  return OrbitFrame{ScreenPoint{screenCentre.x - g.c * ux, screenCentre.y + g.c * uy},
                    ScreenPoint{-g.a * ux, g.a * uy}, ScreenPoint{-g.b * uy, -g.b * ux}};
}

ScreenPoint PointOnOrbit(const OrbitFrame& frame, double e) {
  const double cosE = std::cos(e);
  const double sinE = std::sin(e);
  return ScreenPoint{frame.centre.x - frame.axisA.x * cosE + frame.axisB.x * sinE,
                     frame.centre.y - frame.axisA.y * cosE + frame.axisB.y * sinE};
}

ScreenPoint NodePoint(const PlanetRow& row, const OrbitFrame& frame) {
  return PointOnOrbit(frame, row.nodeLongitude - row.perihelionLongitude);
}

ScreenPoint PlanetPosition(const PlanetRow& row, double modelTime, double zoom,
                           ScreenPoint screenCentre) {
  const OrbitGeometry g = OrbitGeometryOf(row);
  const double m = kTwoPi * modelTime / row.period + row.meanLongitude - row.perihelionLongitude;
  const double e = SolveKepler(m, -g.c / g.a);
  return PointOnOrbit(OrbitFrameOf(row, zoom, screenCentre), e);
}

double DiscRadius(const PlanetRow& row, double zoom) {
  return row.diameter * 0.001 * zoom;
}

ScreenPoint MoonPosition(ScreenPoint earth, double modelTime, double zoom) {
  const double lambda = kTwoPi * modelTime / kMoonPeriod + kMoonMeanLongitude;
  return ScreenPoint{earth.x + 24.0 * zoom * std::cos(lambda),
                     earth.y - 24.0 * zoom * std::sin(lambda)};
}

}  // namespace planetarium
