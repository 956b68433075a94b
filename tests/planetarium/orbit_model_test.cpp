#include "planetarium/orbit_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

namespace planetarium {
namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;
constexpr ScreenPoint kCentre{399.0, 299.0};

double Distance(ScreenPoint p, ScreenPoint q) {
  return std::hypot(p.x - q.x, p.y - q.y);
}

// Angle around the Sun, counter-clockwise with y upwards.
double AngleFromSun(ScreenPoint p) {
  return std::atan2(kCentre.y - p.y, p.x - kCentre.x);
}

TEST(SolveKeplerTest, MercuryAtOneRadian) {
  const OrbitGeometry g = OrbitGeometryOf(kPlanetTable[kMercury]);
  EXPECT_DOUBLE_EQ(g.e, 7.4 / 36.0);
  const double e = SolveKepler(1.0, -g.e);
  EXPECT_NEAR(e, 1.19090, 5e-6);
  EXPECT_NEAR(e - g.e * std::sin(e), 1.0, 1e-14);
}

TEST(SolveKeplerTest, AnglesOutsideOneTurnAreReduced) {
  const double k = -OrbitGeometryOf(kPlanetTable[kPluto]).e;
  const double inside = SolveKepler(1.0, k);
  for (double turns : {-1e6, -3.0, -1.0, 1.0, 2.0, 1e6}) {
    EXPECT_NEAR(SolveKepler(1.0 + turns * kTwoPi, k), inside, 1e-8) << turns;
  }
  // Negative angles land in [0, 2 pi) rather than being solved as negative anomalies.
  const double e = SolveKepler(-0.5, k);
  EXPECT_GT(e, std::numbers::pi);
  EXPECT_LT(e, kTwoPi);
}

TEST(SolveKeplerTest, HugeAndNonFiniteAnglesReturnAtOnce) {
  const double k = -0.2;
  for (double m : {1e15, -1e15, 1e300, -1e300, std::numeric_limits<double>::max()}) {
    const double e = SolveKepler(m, k);
    EXPECT_TRUE(std::isfinite(e)) << m;
    EXPECT_GE(e, -1.0) << m;
    EXPECT_LE(e, kTwoPi + 1.0) << m;
  }
  EXPECT_TRUE(std::isnan(SolveKepler(std::numeric_limits<double>::infinity(), k)));
  EXPECT_TRUE(std::isnan(SolveKepler(std::numeric_limits<double>::quiet_NaN(), k)));
}

TEST(OrbitModelTest, EarthOrbitIsAboutFiftyPixelsAtTheStartZoom) {
  const OrbitFrame frame = OrbitFrameOf(kPlanetTable[kEarth], kStartZoom, kCentre);
  for (int k = 0; k < 64; ++k) {
    const double d = Distance(PointOnOrbit(frame, k * kTwoPi / 64.0), kCentre);
    EXPECT_GT(d, 49.0) << k;
    EXPECT_LT(d, 51.5) << k;
  }
  // The perihelion is q from the Sun, the aphelion Q.
  EXPECT_NEAR(Distance(PointOnOrbit(frame, 0.0), kCentre), 91.4 * 2 * kStartZoom, 1e-9);
  EXPECT_NEAR(Distance(PointOnOrbit(frame, std::numbers::pi), kCentre), 94.6 * 2 * kStartZoom,
              1e-9);
}

TEST(OrbitModelTest, OrbitSizesAtTheStartZoom) {
  const struct {
    int row;
    double radius;
  } cases[] = {{kJupiter, 261}, {kSaturn, 480}};
  for (const auto& c : cases) {
    const OrbitGeometry g = OrbitGeometryOf(kPlanetTable[c.row]);
    EXPECT_NEAR(g.a * 2 * kStartZoom, c.radius, 2.0) << c.row;
  }
}

TEST(OrbitModelTest, VenusOrbitCentreIsCloseToTheSun) {
  const OrbitFrame frame = OrbitFrameOf(kPlanetTable[1], kStartZoom, kCentre);
  EXPECT_NEAR(Distance(frame.centre, kCentre), 0.45 * 2 * kStartZoom, 1e-9);
}

TEST(OrbitModelTest, PerihelionLiesTowardsItsLongitude) {
  for (const PlanetRow& row : kPlanetTable) {
    const ScreenPoint p = PointOnOrbit(OrbitFrameOf(row, kStartZoom, kCentre), 0.0);
    const double angle = AngleFromSun(p);
    EXPECT_NEAR(std::remainder(angle - row.perihelionLongitude, kTwoPi), 0.0, 1e-9) << row.name;
  }
}

TEST(OrbitModelTest, PlanetsMoveCounterClockwiseAndBackwardsInNegativeTime) {
  for (const PlanetRow& row : kPlanetTable) {
    const double dt = row.period / 100.0;
    const double before = AngleFromSun(PlanetPosition(row, -dt, kStartZoom, kCentre));
    const double now = AngleFromSun(PlanetPosition(row, 0.0, kStartZoom, kCentre));
    const double after = AngleFromSun(PlanetPosition(row, dt, kStartZoom, kCentre));
    EXPECT_GT(std::remainder(after - now, kTwoPi), 0.0) << row.name;
    EXPECT_GT(std::remainder(now - before, kTwoPi), 0.0) << row.name;
  }
}

TEST(OrbitModelTest, PlanetReturnsAfterOnePeriodAndLiesOnItsOrbit) {
  for (const PlanetRow& row : kPlanetTable) {
    const ScreenPoint p = PlanetPosition(row, 1000.0, kStartZoom, kCentre);
    const ScreenPoint q = PlanetPosition(row, 1000.0 + row.period, kStartZoom, kCentre);
    EXPECT_NEAR(p.x, q.x, 1e-6) << row.name;
    EXPECT_NEAR(p.y, q.y, 1e-6) << row.name;
    // Focal property: the distances to the two foci add up to the major axis.
    const OrbitFrame frame = OrbitFrameOf(row, kStartZoom, kCentre);
    const ScreenPoint otherFocus{2 * frame.centre.x - kCentre.x, 2 * frame.centre.y - kCentre.y};
    const OrbitGeometry g = OrbitGeometryOf(row);
    EXPECT_NEAR(Distance(p, kCentre) + Distance(p, otherFocus), 2 * g.a * 2 * kStartZoom, 1e-6)
        << row.name;
  }
}

TEST(OrbitModelTest, ThePlanetIsAtPerihelionWhenItsMeanLongitudeReachesThePerihelion) {
  const PlanetRow& earth = kPlanetTable[kEarth];
  const double tPerihelion =
      (earth.perihelionLongitude - earth.meanLongitude) * earth.period / (2 * std::numbers::pi);
  const ScreenPoint p = PlanetPosition(earth, tPerihelion, kStartZoom, kCentre);
  const ScreenPoint q = PointOnOrbit(OrbitFrameOf(earth, kStartZoom, kCentre), 0.0);
  EXPECT_NEAR(p.x, q.x, 1e-9);
  EXPECT_NEAR(p.y, q.y, 1e-9);
}

TEST(OrbitModelTest, MoonCirclesTheEarth) {
  const ScreenPoint earth{200.0, 100.0};
  const double zoom = 0.5;
  const ScreenPoint atEpoch = MoonPosition(earth, 0.0, zoom);
  EXPECT_NEAR(Distance(atEpoch, earth), 24 * zoom, 1e-12);
  EXPECT_NEAR(std::atan2(earth.y - atEpoch.y, atEpoch.x - earth.x), kMoonMeanLongitude - kTwoPi,
              1e-12);
  const ScreenPoint later = MoonPosition(earth, kMoonPeriod / 4, zoom);
  EXPECT_NEAR(std::remainder(std::atan2(earth.y - later.y, later.x - earth.x) -
                                 (kMoonMeanLongitude + kTwoPi / 4),
                             kTwoPi),
              0.0, 1e-12);
}

TEST(OrbitModelTest, DiscRadii) {
  EXPECT_EQ(std::nearbyint(DiscRadius(kPlanetTable[kPluto], kStartZoom)), 0.0);
  EXPECT_EQ(std::nearbyint(DiscRadius(kPlanetTable[kJupiter], kStartZoom)), 24.0);
}

}  // namespace
}  // namespace planetarium
