// The Midheaven, the Ascendant and the twelve cusps (each quadrant trisected in time), the
// Vertex, the mean lunar node, the Part of Fortune and the house of every body.
#pragma once

#include "astrocore/chart.h"

namespace astrocore {

// Fixed obliquity used for the intermediate cusps, degrees.
inline constexpr double kCuspObliquity = 23.44736;
// Rounds allowed to one cusp iteration; ordinary places need 3 to 5, but near and beyond
// the polar circles the iteration need not settle.
inline constexpr int kMaxCuspRounds = 100;

// Obliquity of the ecliptic of the date, degrees.
double Obliquity(double T);

// What the angles, cusps and points of one chart share, computed once per chart.
struct HouseFrame {
  double ramc = 0;  // right ascension of the meridian, radians
  double sinRamc = 0;
  double cosRamc = 0;
  double sinObliquity = 0;  // of the date
  double cosObliquity = 0;
  double tanLatitude = 0;  // signed, south negative
};
HouseFrame MakeHouseFrame(double ramc, double obliquity, double latitude);

// Right ascension (radians) of intermediate cusp 11, 12, 2 or 3 (any other number is taken
// as 3) and how many next values the iteration computed.
struct CuspIteration {
  double rightAscension = 0;
  int rounds = 0;
};
CuspIteration IterateCusp(int cusp, double ramc, double tanLatitude);

// Longitude (degrees) of the ecliptic point with the given right ascension.
double CuspLongitude(double rightAscension);

double Midheaven(const HouseFrame& frame);
double Ascendant(const HouseFrame& frame);
double Vertex(const HouseFrame& frame);

// Midheaven, Ascendant and houseCusp [1..12].
void AnglesAndCusps(const HouseFrame& frame, ChartRecord& chart);
// Vertex, node (from its mean longitude in seconds of arc) and Part of Fortune; the Moon,
// the Ascendant and the Sun must already be in chart.
void ChartPoints(const HouseFrame& frame, double nodeSeconds, ChartRecord& chart);
// bodyHouse [1..15] from the longitudes and cusps.
void BodyHouses(ChartRecord& chart);

}  // namespace astrocore
