#include "planetarium/scene.h"

#include <cmath>

#include "planetarium/plot_line.h"
#include "planetarium/shapes.h"

namespace planetarium {

namespace {

void DrawMoon(wingraph::Device& dev, ScreenPoint moon) {
  const double fx = moon.x - std::trunc(moon.x);
  const double fy = moon.y - std::trunc(moon.y);
  const double x = Nint(moon.x);
  const double y = Nint(moon.y);
  PutPixelAt(dev, x, y, MoonShade((1.0 - fx) + (1.0 - fy)));
  PutPixelAt(dev, x + 1.0, y, MoonShade(fx + (1.0 - fy)));
  PutPixelAt(dev, x, y + 1.0, MoonShade((1.0 - fx) + fy));
  PutPixelAt(dev, x + 1.0, y + 1.0, MoonShade(fx + fy));
}

void DrawSaturnRings(wingraph::Device& dev, ScreenPoint saturn, double radius) {
  for (const SaturnRing& ring : kSaturnRings) {
    wingraph::SetColor(dev, ring.colour);
    EllipseAt(dev, saturn.x, saturn.y, 330, 210, radius * ring.xFactor,
              radius * ring.xFactor * ring.yFactor);
  }
}

void DrawPlanet(wingraph::Device& dev, int row, double modelTime, double zoom, ScreenPoint centre) {
  const PlanetRow& planet = kPlanetTable[row];
  const OrbitFrame frame = OrbitFrameOf(planet, zoom, centre);
  DrawOrbit(dev, kOrbitColour, frame);
  const ScreenPoint perihelion = PointOnOrbit(frame, 0.0);
  PutPixelAt(dev, perihelion.x, perihelion.y, kPerihelionColour);
  if (planet.inclination != 0.0) {
    const ScreenPoint node = NodePoint(planet, frame);
    PutPixelAt(dev, node.x, node.y, kNodeColour);
  }
  const ScreenPoint position = PlanetPosition(planet, modelTime, zoom, centre);
  const double radius = DiscRadius(planet, zoom);
  wingraph::SetColor(dev, kPlanetColour[row]);
  CircleAt(dev, position.x, position.y, radius);
  if (row == kSaturn) DrawSaturnRings(dev, position, radius);
  if (row == kEarth) DrawMoon(dev, MoonPosition(position, modelTime, zoom));
}

}  // namespace

ScreenPoint ScreenCentreOf(const wingraph::Device& dev) {
  return ScreenPoint{static_cast<double>(wingraph::GetMaxX(dev) / 2),
                     static_cast<double>(wingraph::GetMaxY(dev) / 2)};
}

int MoonShade(double weight) {
  // Out-of-range and NaN weights (a Moon left of or above the page corner) stay within the
  // four shades.
  if (!(weight >= 0.5)) return kMoonShades[0];
  if (weight >= 1.5) return kMoonShades[3];
  return kMoonShades[weight >= 1.0 ? 2 : 1];
}

void DrawScene(wingraph::Device& dev, double modelTime, double zoom, std::string_view clockLine) {
  const ScreenPoint centre = ScreenCentreOf(dev);
  wingraph::SetColor(dev, kSunColour);
  wingraph::Circle(dev, static_cast<int>(centre.x), static_cast<int>(centre.y), 2);

  wingraph::SetTextStyle(dev, 0, 0, 2);
  wingraph::SetTextJustify(dev, 0, 0);
  wingraph::SetColor(dev, kTextColour);
  wingraph::OutTextXY(dev, 0, 0, clockLine.substr(0, kClockLineLimit));

  for (int row = 0; row < static_cast<int>(kPlanetTable.size()); ++row) {
    DrawPlanet(dev, row, modelTime, zoom, centre);
  }
}

}  // namespace planetarium
