#include "astrocore/sun_moon.h"

#include <cmath>

#include "astrocore/helpers.h"
#include "astrocore/planets.h"

namespace astrocore {

namespace {

double Polynomial(const OrbitRow& row, int first, double T) {
  return row[first] + row[first + 1] * T + row[first + 2] * (T * T);
}

double SinDegrees(double degrees) {
  return std::sin(Radians(degrees));
}

}  // namespace

OrbitPosition SolveOrbit(const OrbitRow& row, double T) {
  const double M = Radians(std::fmod(Polynomial(row, kM0, T), 360.0));
  const double e = Polynomial(row, kE0, T);
  const double a = row[kA];
  double E = M;
  // Exactly five rounds, converged or not: the eccentric orbits keep what is left.
  for (int round = 0; round < 5; ++round) E = M + e * std::sin(E);

  OrbitPosition pos;
  const double cosE = std::cos(E);
  pos.r = a * (1 - e * cosE);
  const double x = a * (cosE - e);
  double y = a * std::sqrt(1 - e * e) * std::sin(E);
  if (y == 0) y = 0.0000000017;  // so that x < 0 on the axis gives pi
  const double v = DirectionAngle(x, y);

  const double u = Degrees(v) + Polynomial(row, kW0, T);
  const double N = Polynomial(row, kN0, T);
  const double lOrbit = ReduceDegrees(N + u);
  const double i = Radians(Polynomial(row, kI0, T));

  double q = std::atan(Tan(Radians(lOrbit - N)) * std::cos(i));
  if (q < 0) q += kPi;
  double lh = N + Degrees(q);
  // The arctangent leaves a half turn open; the orbit longitude tells which half.
  if (std::fabs(lOrbit - lh) > 10) lh = lh - 180;
  pos.lh = ReduceDegrees(lh);

  pos.b = std::atan(Tan(i) * std::sin(Radians(pos.lh - N)));
  const double lhRad = Radians(pos.lh);
  const double cosB = std::cos(pos.b);
  pos.x = pos.r * cosB * std::cos(lhRad);
  pos.y = pos.r * cosB * std::sin(lhRad);
  pos.z = pos.r * std::sin(pos.b);
  return pos;
}

LunarArguments MeanLunarArguments(double T) {
  const double T2 = T * T;
  LunarArguments args;
  args.lm = 973563 + 1732564379 * T - 4 * T2;
  args.ps = 1012395 + 6189 * T;
  args.om = 933060 - 6962911 * T + 7.5 * T2;
  args.pm = 1203586 + 14648523 * T - 37 * T2;
  args.dm = 1262655 + 1602961611 * T - 5 * T2;
  return args;
}

double MoonLongitude(const LunarArguments& args) {
  const double l = (args.lm - args.pm) / 3600;
  const double ls = (args.lm - args.dm - args.ps) / 3600;
  const double F = (args.lm - args.om) / 3600;
  const double D = args.dm / 3600;
  const double S =
      22639.6 * SinDegrees(l) - 4586.4 * SinDegrees(l - 2 * D) + 2369.9 * SinDegrees(2 * D) +
      769.0 * SinDegrees(2 * l) - 669.0 * SinDegrees(ls) - 411.6 * SinDegrees(2 * F) -
      212.0 * SinDegrees(2 * l - 2 * D) - 206.0 * SinDegrees(ls + l - 2 * D) +
      192.0 * SinDegrees(2 * D + l) - 165.0 * SinDegrees(ls - 2 * D) + 148.0 * SinDegrees(l - ls) -
      125.0 * SinDegrees(D) - 110.0 * SinDegrees(ls + l) - 55.0 * SinDegrees(2 * F - 2 * D) -
      45.0 * SinDegrees(2 * F + l) + 40.0 * SinDegrees(l - 2 * F);
  return ReduceDegrees((S + args.lm) / 3600);
}

double MoonLongitude(double T) {
  return MoonLongitude(MeanLunarArguments(T));
}

OrbitPosition EarthOrbit(double T) {
  return SolveOrbit(OrbitalElements[1], T);
}

double SunLongitude(const OrbitPosition& earth) {
  return ReduceDegrees(earth.lh + 180);
}

}  // namespace astrocore
