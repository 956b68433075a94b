// The Moon from its mean arguments and a series of sixteen terms; the Sun from the Earth's
// mean elliptic orbit, and the orbit solution that the planets share.
#pragma once

#include <array>

namespace astrocore {

// Sixteen numbers of one orbit, each element a polynomial x0 + x1 T + x2 T^2 in the
// centuries T; the semi-major axis is a single constant.
using OrbitRow = std::array<double, 16>;
enum OrbitColumn : int {
  kM0,
  kM1,
  kM2,  // mean anomaly, degrees
  kE0,
  kE1,
  kE2,  // eccentricity
  kA,   // semi-major axis, astronomical units
  kW0,
  kW1,
  kW2,  // argument of perihelion, degrees
  kN0,
  kN1,
  kN2,  // longitude of the ascending node, degrees
  kI0,
  kI1,
  kI2,  // inclination, degrees
};

// Heliocentric position on one mean orbit.
struct OrbitPosition {
  double r = 0;   // distance, astronomical units
  double lh = 0;  // ecliptic longitude, degrees in [0, 360)
  double b = 0;   // ecliptic latitude, radians
  double x = 0;   // rectangular ecliptic coordinates, astronomical units
  double y = 0;
  double z = 0;
};

OrbitPosition SolveOrbit(const OrbitRow& row, double T);

// Mean lunar arguments, seconds of arc.
struct LunarArguments {
  double lm = 0;  // mean longitude of the Moon
  double ps = 0;  // mean longitude of the Sun's perigee
  double om = 0;  // mean longitude of the Moon's ascending node
  double pm = 0;  // mean longitude of the Moon's perigee
  double dm = 0;  // mean elongation of the Moon from the Sun
};

LunarArguments MeanLunarArguments(double T);
double MoonLongitude(const LunarArguments& args);
double MoonLongitude(double T);

// The Earth's orbit, whose position the planets need to be seen from the Earth.
OrbitPosition EarthOrbit(double T);
double SunLongitude(const OrbitPosition& earth);

}  // namespace astrocore
