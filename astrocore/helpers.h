// Small numeric helpers shared by every step of the chart computation.
#pragma once

namespace astrocore {

inline constexpr double kPi = 3.14159265358979323846;

// Whole part toward zero, kept in double so huge or non-finite values stay defined.
double Trunc(double x);

// Dot notation (OO.MM(SS/6) or GGG.MM) to decimal hours or degrees: 14.305 gives 14.508333.
double DotMinutesToDecimal(double x);

// The value in [0, 360) that differs from x by a whole multiple of 360; NaN and infinities
// have no such value and give 0, so a record never holds NaN.
double ReduceDegrees(double x);

// Inverse cosine in radians in [0, pi], through the arctangent. Arguments outside [-1, 1]
// are clamped to the nearest end and NaN gives pi/2, so the result is always defined.
double ArcCos(double x);

// Tangent as sine over cosine of the same argument, with no special case at cos = 0.
double Tan(double x);

// Degrees to radians and back, multiplying before dividing.
inline double Radians(double degrees) {
  return degrees * kPi / 180;
}
inline double Degrees(double radians) {
  return radians * 180 / kPi;
}

// Angle of the point (x, y) in [0, 2 pi): arctan(y / x), plus pi when negative, plus pi
// more when y is negative.
double DirectionAngle(double x, double y);

}  // namespace astrocore
