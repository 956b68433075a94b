#include "astrocore/helpers.h"

#include <cmath>

namespace astrocore {

double Trunc(double x) {
  return std::trunc(x);
}

double DotMinutesToDecimal(double x) {
  const double s = x > 0 ? 1.0 : (x < 0 ? -1.0 : 0.0);
  const double a = std::fabs(x);
  return s * (Trunc(a) + (a - Trunc(a)) * 100 / 60);
}

double ReduceDegrees(double x) {
  if (!std::isfinite(x)) return 0;
  double r = std::fmod(x, 360.0);
  if (r < 0) r += 360.0;
  // A tiny negative remainder plus 360 rounds to 360 itself: that is 0 again.
  if (r >= 360.0) r = 0;
  return r + 0.0;  // -0 becomes +0
}

double ArcCos(double x) {
  if (std::isnan(x)) return kPi / 2;
  // Beyond the polar circles the semi-arc does not exist: clamp it to a full or no arc.
  if (x > 1) x = 1;
  if (x < -1) x = -1;
  if (x == 0) return kPi / 2;
  if (x == -1) return kPi;
  double a = std::atan(std::sqrt(1 - x * x) / x);
  if (a < 0) a += kPi;
  return a;
}

double Tan(double x) {
  return std::sin(x) / std::cos(x);
}

double DirectionAngle(double x, double y) {
  double a = std::atan(y / x);
  if (a < 0) a += kPi;
  if (y < 0) a += kPi;
  return a;
}

}  // namespace astrocore
