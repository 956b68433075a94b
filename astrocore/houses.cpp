#include "astrocore/houses.h"

#include <cmath>

#include "astrocore/helpers.h"

namespace astrocore {

namespace {

// Rounded to four decimals; a value that rounds up to a full turn is stored as 0.
double RoundPoint(double degrees) {
  const double v = Trunc(10000 * degrees + 0.5) / 10000;
  return v >= 360 ? 0 : v;
}

bool InArc(double lon, double from, double to) {
  if (from <= to) return from <= lon && lon < to;
  return lon >= from || lon < to;  // the arc runs over 0
}

}  // namespace

double Obliquity(double T) {
  return 23.452294 - 0.0130125 * T;
}

CuspIteration IterateCusp(int cusp, double ramc, double tanLatitude) {
  static const double kTanObliquity = Tan(Radians(kCuspObliquity));
  const double k = tanLatitude * kTanObliquity;
  CuspIteration it;
  double alpha = 0;
  switch (cusp) {
    case 11:
    case 12:
      alpha = ramc + kPi / 3;
      break;
    case 2:
      alpha = ramc + 2 * kPi / 3;
      break;
    default:
      alpha = ramc + 5 * kPi / 6;
      break;
  }
  double next = alpha;
  // The limit ends the rare place where the clamped semi-arc makes the iteration swing.
  while (it.rounds < kMaxCuspRounds) {
    switch (cusp) {
      case 11:
        next = ramc + ArcCos(-k * std::sin(alpha)) / 3;
        break;
      case 12:
        next = ramc + ArcCos(-k * std::sin(alpha)) / 1.5;
        break;
      case 2:
        next = ramc + kPi - ArcCos(k * std::sin(alpha)) / 1.5;
        break;
      default:
        next = ramc + kPi - ArcCos(k * std::sin(alpha)) / 3;
        break;
    }
    ++it.rounds;
    if (!(std::fabs(alpha - next) >= 0.001)) break;
    alpha = next;
  }
  it.rightAscension = next;
  return it;
}

double CuspLongitude(double rightAscension) {
  static const double kCosObliquity = std::cos(Radians(kCuspObliquity));
  const double x = std::cos(rightAscension) * kCosObliquity;
  return ReduceDegrees(Degrees(DirectionAngle(x, std::sin(rightAscension))));
}

HouseFrame MakeHouseFrame(double ramc, double obliquity, double latitude) {
  HouseFrame frame;
  frame.ramc = ramc;
  frame.sinRamc = std::sin(ramc);
  frame.cosRamc = std::cos(ramc);
  frame.sinObliquity = std::sin(Radians(obliquity));
  frame.cosObliquity = std::cos(Radians(obliquity));
  frame.tanLatitude = Tan(Radians(latitude));
  return frame;
}

double Midheaven(const HouseFrame& frame) {
  double m = std::atan(frame.sinRamc / frame.cosRamc / frame.cosObliquity);
  if (m < 0) m += kPi;
  if (frame.ramc > kPi) m += kPi;
  return ReduceDegrees(Degrees(m));
}

double Ascendant(const HouseFrame& frame) {
  const double n = frame.cosRamc;
  const double d = -(frame.sinRamc * frame.cosObliquity + frame.tanLatitude * frame.sinObliquity);
  return ReduceDegrees(Degrees(DirectionAngle(d, n)));
}

double Vertex(const HouseFrame& frame) {
  // At the equator the Vertex has no value: take its limit from the northern side.
  if (frame.tanLatitude == 0) return 180;
  const double c = std::cos(frame.ramc + kPi);
  const double d =
      -std::sin(frame.ramc + kPi) * frame.cosObliquity - frame.sinObliquity / frame.tanLatitude;
  // The same limits where the latitude is too near 0 to divide by.
  if (std::isinf(d)) return d < 0 ? 180 : 0;
  return ReduceDegrees(Degrees(DirectionAngle(d, c)));
}

void AnglesAndCusps(const HouseFrame& frame, ChartRecord& chart) {
  const double mc = Midheaven(frame);
  const double asc = Ascendant(frame);
  chart.bodyLongitude[kMidheaven] = mc;
  chart.bodyLongitude[kAscendant] = asc;

  const double ramc = frame.ramc;
  const double tanLatitude = frame.tanLatitude;
  const double c11 = CuspLongitude(IterateCusp(11, ramc, tanLatitude).rightAscension);
  const double c12 = CuspLongitude(IterateCusp(12, ramc, tanLatitude).rightAscension);
  const double c2 = CuspLongitude(IterateCusp(2, ramc, tanLatitude).rightAscension);
  const double c3 = CuspLongitude(IterateCusp(3, ramc, tanLatitude).rightAscension);

  auto& cusp = chart.houseCusp;
  cusp[1] = asc;
  cusp[2] = c2;
  cusp[3] = c3;
  cusp[4] = ReduceDegrees(mc + 180);
  cusp[5] = ReduceDegrees(c11 + 180);
  cusp[6] = ReduceDegrees(c12 + 180);
  cusp[7] = ReduceDegrees(asc + 180);
  cusp[8] = ReduceDegrees(c2 + 180);
  cusp[9] = ReduceDegrees(c3 + 180);
  cusp[10] = mc;
  cusp[11] = c11;
  cusp[12] = c12;
}

void ChartPoints(const HouseFrame& frame, double nodeSeconds, ChartRecord& chart) {
  auto& lon = chart.bodyLongitude;
  lon[kVertex] = Vertex(frame);
  lon[kLunarNode] = RoundPoint(ReduceDegrees(nodeSeconds / 3600));
  lon[kPartOfFortune] = RoundPoint(ReduceDegrees(lon[kMoon] + lon[kAscendant] - lon[kSun]));
}

void BodyHouses(ChartRecord& chart) {
  const auto& cusp = chart.houseCusp;
  for (int body = 1; body <= kBodyCount; ++body) {
    const double lon = chart.bodyLongitude[body];
    int house = 0;
    for (int h = 1; h <= kHouseCount && house == 0; ++h) {
      if (InArc(lon, cusp[h], cusp[h % kHouseCount + 1])) house = h;
    }
    // Cusps that do not go round the circle in order (near the poles) can leave a gap:
    // take the house of the nearest cusp behind the body.
    if (house == 0) {
      double best = 360;
      for (int h = 1; h <= kHouseCount; ++h) {
        const double behind = ReduceDegrees(lon - cusp[h]);
        if (behind < best) {
          best = behind;
          house = h;
        }
      }
    }
    chart.bodyHouse[body] = house == 0 ? 1 : house;
  }
}

}  // namespace astrocore
