#include "planetarium/scene.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <limits>

#include "planetarium/clock_line.h"
#include "planetarium/orbit_model.h"

namespace planetarium {
namespace {

class SceneTest : public ::testing::Test {
 protected:
  wingraph::Device dev = wingraph::MakeMemoryDevice(800, 600);

  void Draw(double t, double zoom) {
    wingraph::ClearDevice(dev);
    DrawScene(dev, t, zoom, BuildClockLine(t));
  }

  int At(double x, double y) const {
    return wingraph::GetPixel(dev, static_cast<int>(std::nearbyint(x)),
                              static_cast<int>(std::nearbyint(y)));
  }
};

TEST_F(SceneTest, SunIsASmallWhiteCircleAtTheCentre) {
  Draw(0.0, kStartZoom);
  EXPECT_EQ(ScreenCentreOf(dev).x, 399.0);
  EXPECT_EQ(ScreenCentreOf(dev).y, 299.0);
  EXPECT_EQ(wingraph::GetPixel(dev, 401, 299), 15);
  EXPECT_EQ(wingraph::GetPixel(dev, 397, 299), 15);
  EXPECT_EQ(wingraph::GetPixel(dev, 399, 297), 15);
  EXPECT_EQ(wingraph::GetPixel(dev, 399, 301), 15);
  EXPECT_EQ(wingraph::GetPixel(dev, 399, 299), 0);
}

TEST_F(SceneTest, ClockLineIsWrittenAtTheTopLeft) {
  Draw(0.0, kStartZoom);
  int white = 0;
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 40; ++x) white += wingraph::GetPixel(dev, x, y) == 15;
  }
  EXPECT_GT(white, 20);
}

TEST_F(SceneTest, PlanetDiscsAtTheirComputedPositions) {
  const double t = 9830.1666;
  Draw(t, kStartZoom);
  const ScreenPoint centre = ScreenCentreOf(dev);
  const ScreenPoint jupiter = PlanetPosition(kPlanetTable[kJupiter], t, kStartZoom, centre);
  // The disc's outline crosses the axes through its centre at the rounded radius, 24.
  EXPECT_EQ(At(jupiter.x + 24, jupiter.y), wingraph::kCyan);
  EXPECT_EQ(At(jupiter.x - 24, jupiter.y), wingraph::kCyan);
  EXPECT_EQ(At(jupiter.x, jupiter.y + 24), wingraph::kCyan);
  EXPECT_NE(At(jupiter.x, jupiter.y), wingraph::kCyan);
  const ScreenPoint earth = PlanetPosition(kPlanetTable[kEarth], t, kStartZoom, centre);
  EXPECT_EQ(At(earth.x + 2, earth.y), wingraph::kLightBlue);
  EXPECT_EQ(At(earth.x - 2, earth.y), wingraph::kLightBlue);
}

TEST_F(SceneTest, PerihelionAndNodeMarks) {
  // Zoomed out so that every orbit fits on the page.
  const double zoom = 0.03;
  Draw(0.0, zoom);
  const ScreenPoint centre = ScreenCentreOf(dev);
  for (int row = 0; row < 9; ++row) {
    const PlanetRow& planet = kPlanetTable[row];
    const OrbitFrame frame = OrbitFrameOf(planet, zoom, centre);
    const ScreenPoint perihelion = PointOnOrbit(frame, 0.0);
    const ScreenPoint node = NodePoint(planet, frame);
    const ScreenPoint disc = PlanetPosition(planet, 0.0, zoom, centre);
    // Marks of the inner planets overlap each other and the discs near the Sun.
    if (row >= kJupiter && std::hypot(disc.x - perihelion.x, disc.y - perihelion.y) > 5) {
      EXPECT_EQ(At(perihelion.x, perihelion.y), 7) << planet.name;
    }
    if (row >= kJupiter && std::hypot(disc.x - node.x, disc.y - node.y) > 5) {
      EXPECT_EQ(At(node.x, node.y), 9) << planet.name;
    }
  }
  // The Earth has no node mark.
  const OrbitFrame earth = OrbitFrameOf(kPlanetTable[kEarth], 1.0, centre);
  Draw(0.0, 1.0);
  const ScreenPoint node = NodePoint(kPlanetTable[kEarth], earth);
  EXPECT_NE(At(node.x, node.y), 9);
}

TEST(SaturnRingsTest, FourArcsOpenBelowThePlanet) {
  // A page big enough for Saturn's orbit at a zoom that makes the rings large.
  wingraph::Device big = wingraph::MakeMemoryDevice(1600, 1200);
  const double zoom = 0.3;
  const double t = 4000.0;
  DrawScene(big, t, zoom, "");
  const ScreenPoint s = PlanetPosition(kPlanetTable[kSaturn], t, zoom, ScreenCentreOf(big));
  const double x = std::nearbyint(s.x);
  const double y = std::nearbyint(s.y);
  const double r = DiscRadius(kPlanetTable[kSaturn], zoom);
  auto pixel = [&](double px, double py) {
    return wingraph::GetPixel(big, static_cast<int>(px), static_cast<int>(py));
  };
  const int colours[] = {6, 14, 15, 7};
  for (int i = 0; i < 4; ++i) {
    const double xr = std::nearbyint(r * kSaturnRings[i].xFactor);
    const double yr = std::nearbyint(r * kSaturnRings[i].xFactor * kSaturnRings[i].yFactor);
    EXPECT_EQ(pixel(x + xr, y), colours[i]) << i;
    EXPECT_EQ(pixel(x - xr, y), colours[i]) << i;
    EXPECT_EQ(pixel(x, y - yr), colours[i]) << i;
    EXPECT_NE(pixel(x, y + yr), colours[i]) << i;
  }
  EXPECT_EQ(pixel(x + std::nearbyint(r), y), wingraph::kLightBlue);
}

TEST_F(SceneTest, MoonIsAShadedTwoByTwoBlock) {
  const double t = 100.0;
  Draw(t, kStartZoom);
  const ScreenPoint centre = ScreenCentreOf(dev);
  const ScreenPoint earth = PlanetPosition(kPlanetTable[kEarth], t, kStartZoom, centre);
  const ScreenPoint moon = MoonPosition(earth, t, kStartZoom);
  const double fx = moon.x - std::trunc(moon.x);
  const double fy = moon.y - std::trunc(moon.y);
  const double x = std::nearbyint(moon.x);
  const double y = std::nearbyint(moon.y);
  EXPECT_EQ(At(x, y), MoonShade(2 - fx - fy));
  EXPECT_EQ(At(x + 1, y), MoonShade(fx + 1 - fy));
  EXPECT_EQ(At(x, y + 1), MoonShade(1 - fx + fy));
  EXPECT_EQ(At(x + 1, y + 1), MoonShade(fx + fy));
}

TEST(MoonShadeTest, WeightsMapOntoTheFourShades) {
  const struct {
    double weight;
    int shade;
  } cases[] = {{0.0, 0},
               {0.49, 0},
               {0.5, 8},
               {0.99, 8},
               {1.0, 7},
               {1.49, 7},
               {1.5, 15},
               {2.0, 15},
               {-1.5, 0},
               {3.7, 15},
               {std::numeric_limits<double>::quiet_NaN(), 0}};
  for (const auto& c : cases) EXPECT_EQ(MoonShade(c.weight), c.shade) << c.weight;
}

TEST_F(SceneTest, HugeZoomsAndModelTimesDrawQuickly) {
  const double zooms[] = {kStartZoom * std::pow(1.1, 500), 1e100,
                          std::numeric_limits<double>::max(), std::numeric_limits<double>::min(),
                          1e-300};
  const double times[] = {0.0, 1e15, -1e15, 1e19, -1e19, 1e300};
  for (double zoom : zooms) {
    for (double t : times) {
      const auto start = std::chrono::steady_clock::now();
      Draw(t, zoom);
      const auto elapsed = std::chrono::steady_clock::now() - start;
      EXPECT_LT(elapsed, std::chrono::seconds(1)) << zoom << " " << t;
      EXPECT_EQ(wingraph::GetPixel(dev, 401, 299), 15) << zoom << " " << t;
    }
  }
}

TEST_F(SceneTest, FarFutureKeepsEveryPlanetOnItsOrbit) {
  // At a model time of 1e15 days the mean anomalies are about 1e14 radians: still reduced
  // well enough to put each planet on its orbit.
  const ScreenPoint centre = ScreenCentreOf(dev);
  for (const PlanetRow& row : kPlanetTable) {
    const ScreenPoint p = PlanetPosition(row, 1e15, kStartZoom, centre);
    const double d = std::hypot(p.x - centre.x, p.y - centre.y);
    EXPECT_GE(d, row.perihelion * 2 * kStartZoom - 1e-6) << row.name;
    EXPECT_LE(d, row.aphelion * 2 * kStartZoom + 1e-6) << row.name;
  }
}

}  // namespace
}  // namespace planetarium
