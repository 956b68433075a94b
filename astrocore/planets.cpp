#include "astrocore/planets.h"

#include <cmath>

#include "astrocore/helpers.h"

namespace astrocore {

void PlanetLongitudes(double T, const OrbitPosition& earth, ChartRecord& chart) {
  const double sqrtRE = std::sqrt(earth.r);
  const double sqrtRE3 = std::sqrt(earth.r * earth.r * earth.r);
  for (int row = 2; row <= 9; ++row) {
    const int body = row + 1;
    const OrbitPosition pos = SolveOrbit(OrbitalElements[row], T);

    const double sqrtR = std::sqrt(pos.r);
    const double K =
        sqrtRE * sqrtR * (sqrtR + sqrtRE) / (std::sqrt(pos.r * pos.r * pos.r) + sqrtRE3);
    // Equality counts as direct; so does a NaN from absurd input.
    chart.bodyMotion[body] =
        K - std::cos(Radians(earth.lh - pos.lh)) < 0 ? kMotionRetrograde : kMotionDirect;

    const double x = pos.x - earth.x;
    double y = pos.y - earth.y;
    if (y == 0) y = 0.0000000017;  // so that x < 0 on the axis gives 180
    double lon = Degrees(std::atan(y / x));
    if (lon < 0) lon += 180;
    if (y < 0) lon += 180;
    // A longitude a hair below 360 can round to 360 itself; reducing keeps [0, 360).
    chart.bodyLongitude[body] = ReduceDegrees(lon);
  }
}

}  // namespace astrocore
