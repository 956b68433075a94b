#include "astrocore/chart.h"

#include "astrocore/chart_time.h"
#include "astrocore/helpers.h"
#include "astrocore/houses.h"
#include "astrocore/orbs.h"
#include "astrocore/planets.h"
#include "astrocore/sun_moon.h"

namespace astrocore {

ChartRecord ComputeChart(const ChartInput& input) {
  ChartRecord chart;
  chart.input = input;
  chart.bodyMotion.fill(kMotionDirect);

  const ChartTime time = ComputeChartTime(input);
  const double T = time.centuries;
  const HouseFrame frame =
      MakeHouseFrame(time.ramc, Obliquity(T), DotMinutesToDecimal(input.placeLatitude));

  AnglesAndCusps(frame, chart);

  const LunarArguments lunar = MeanLunarArguments(T);
  chart.bodyLongitude[kMoon] = MoonLongitude(lunar);
  const OrbitPosition earth = EarthOrbit(T);
  chart.bodyLongitude[kSun] = SunLongitude(earth);

  PlanetLongitudes(T, earth, chart);
  ChartPoints(frame, lunar.om, chart);
  chart.siderealTime = SiderealTimeText(time.siderealAngle);
  BodyHouses(chart);
  FindAspects(chart);
  return chart;
}

}  // namespace astrocore
