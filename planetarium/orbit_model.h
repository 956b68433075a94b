// The orbit model: the nine planets on Kepler ellipses in the plane of the orbits, the Moon
// on a circle around the Earth, all in screen pixels around the Sun at the screen centre.
#pragma once

#include <array>
#include <string_view>

namespace planetarium {

// Angles in radians, distances in millions of miles, diameters in miles, periods in days.
struct PlanetRow {
  std::string_view name;
  double meanLongitude;  // at the epoch
  double period;
  double perihelion;
  double aphelion;
  double perihelionLongitude;
  double nodeLongitude;
  double inclination;
  double diameter;
};

// clang-format off
inline constexpr std::array<PlanetRow, 9> kPlanetTable = {{
    // name       L0                    P         q       Q       perihelion            node                  inclination            diameter
    {"Mercury",  3.768451895127612,    87.97,    28.6,   43.4,   1.351093310926488,    0.842940699208339,    0.12226031410220278,   3032},
    {"Venus",    4.825360264356833,    224.7,    66.8,   67.7,   2.2996458224277285,   1.3378821381162533,   0.05924907996839639,   7522},
    {"Earth",    2.2906137435486578,   365.2564, 91.4,   94.6,   1.7947899437411243,   0,                    0,                     7928},
    {"Mars",     2.7501443911883316,   686.98,   128.5,  155.0,  5.865023810948989,    0.8645682375226355,   0.032283743025084,     4218},
    {"Jupiter",  5.338918548619354,    4331.8,   460.6,  507.0,  0.27389548914283235,  1.7531153597129485,   0.022771698601714904,  88750},
    {"Saturn",   0.24826823795938227,  10760,    838.4,  937.5,  1.5591220133537789,   1.9827473597704803,   0.04337628004887018,   74990},
    {"Uranus",   5.249063180962512,    30684,    1669.3, 1859.7, 3.0769282048034032,   1.293080505844921,    0.013497212882089481,  31770},
    {"Neptune",  5.210753203881237,    60188.3,  2760.4, 2821.7, 0.06667157742618339,  2.2995779485123733,   0.03087293521305525,   30782},
    {"Pluto",    4.0998802238077126,   90466.8,  2756.4, 4551.4, 3.923218966548209,    1.9260047665334201,   0.2987858235309959,    1430},
}};
// clang-format on

inline constexpr int kMercury = 0;
inline constexpr int kEarth = 2;
inline constexpr int kJupiter = 4;
inline constexpr int kSaturn = 5;
inline constexpr int kPluto = 8;

inline constexpr double kMoonMeanLongitude = 4.223696789826278;
inline constexpr double kMoonPeriod = 27.321660532407407;  // one sidereal month
inline constexpr double kYearLength = 365.2564;            // the Earth's period

inline constexpr double kStartZoom = 0.27;

struct ScreenPoint {
  double x = 0.0;
  double y = 0.0;
};

struct OrbitGeometry {
  double a;  // semi-major axis
  double c;  // focal distance
  double b;  // semi-minor axis
  double e;  // eccentricity
};

// The orbit as C + A cos theta + B sin theta on the screen; A points to the aphelion.
struct OrbitFrame {
  ScreenPoint centre;
  ScreenPoint axisA;
  ScreenPoint axisB;
};

// Eccentric anomaly for the mean anomaly m; the eccentricity is passed negated (k = -e).
double SolveKepler(double m, double k);

OrbitGeometry OrbitGeometryOf(const PlanetRow& row);
OrbitFrame OrbitFrameOf(const PlanetRow& row, double zoom, ScreenPoint screenCentre);
// The point at eccentric anomaly e; e = 0 is the perihelion.
ScreenPoint PointOnOrbit(const OrbitFrame& frame, double e);
ScreenPoint NodePoint(const PlanetRow& row, const OrbitFrame& frame);
ScreenPoint PlanetPosition(const PlanetRow& row, double modelTime, double zoom,
                           ScreenPoint screenCentre);
double DiscRadius(const PlanetRow& row, double zoom);
ScreenPoint MoonPosition(ScreenPoint earth, double modelTime, double zoom);

}  // namespace planetarium
