// Compares the longitudes of ComputeChart with the analytical (Moshier) mode of the Swiss
// Ephemeris library over 1900-2100 and prints the errors per body as a Markdown table.
// A development tool: it is never linked into the programs.
//
//   compare_ephemeris [--step DAYS]   (whole days, default 1; every sample is at 12:00 UT)
#include <swephexp.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "astrocore/chart.h"

namespace {

// Bucharest, 26°05' E, 44°25' N: the chart wants GGG.MM with east negative, the library
// wants decimal degrees with east positive.
constexpr double kChartLongitude = -26.05;
constexpr double kChartLatitude = 44.25;
constexpr double kLongitudeEast = 26 + 5 / 60.0;
constexpr double kLatitudeNorth = 44 + 25 / 60.0;

// The charts are geometric positions on the mean ecliptic and equinox of date: no light time,
// no aberration, no deflection, no nutation. These flags ask the library for the same thing.
constexpr int32 kMeanFlags =
    SEFLG_MOSEPH | SEFLG_TRUEPOS | SEFLG_NOABERR | SEFLG_NOGDEFL | SEFLG_NONUT;
// What an almanac prints: light time, aberration, deflection and nutation applied.
constexpr int32 kApparentFlags = SEFLG_MOSEPH;

// Rows of the table: a chart body or one of the four intermediate house cusps.
struct Row {
  std::string_view name;
  int body = 0;  // chart body 1..15, or 0 for a house cusp
  int cusp = 0;  // house 2, 3, 11 or 12 when body is 0
};

// clang-format off
constexpr std::array<Row, 19> kRows = {{
    {"Sun", astrocore::kSun, 0},         {"Moon", astrocore::kMoon, 0},
    {"Mercury", astrocore::kMercury, 0}, {"Venus", astrocore::kVenus, 0},
    {"Mars", astrocore::kMars, 0},       {"Jupiter", astrocore::kJupiter, 0},
    {"Saturn", astrocore::kSaturn, 0},   {"Uranus", astrocore::kUranus, 0},
    {"Neptune", astrocore::kNeptune, 0}, {"Pluto", astrocore::kPluto, 0},
    {"Ascendant", astrocore::kAscendant, 0}, {"Midheaven", astrocore::kMidheaven, 0},
    {"Vertex", astrocore::kVertex, 0},   {"Mean lunar node", astrocore::kLunarNode, 0},
    {"Part of Fortune", astrocore::kPartOfFortune, 0},
    {"Cusp 11", 0, 11}, {"Cusp 12", 0, 12}, {"Cusp 2", 0, 2}, {"Cusp 3", 0, 3},
}};
// clang-format on

// Index of a chart body in kRows.
constexpr std::size_t RowOf(int body) {
  std::size_t i = 0;
  while (i < kRows.size() && kRows[i].body != body) ++i;
  return i;
}

// Longitudes of one instant, by row.
using RowValues = std::array<double, kRows.size()>;

struct Sample {
  double jd = 0;
  RowValues chart{};
  RowValues mean{};
  RowValues apparent{};
};

// Signed difference a - b in degrees, wrapped to (-180, 180].
double AngleDifference(double a, double b) {
  double d = std::fmod(a - b, 360.0);
  if (d > 180) d -= 360;
  if (d <= -180) d += 360;
  return d;
}

double ReduceDegrees(double x) {
  const double r = std::fmod(x, 360.0);
  return r < 0 ? r + 360 : r;
}

[[noreturn]] void Fail(const char* what, const char* detail) {
  std::fprintf(stderr, "compare_ephemeris: %s: %s\n", what, detail);
  std::exit(1);
}

double BodyLongitude(double jd, int planet, int32 flags) {
  double xx[6] = {};
  char serr[AS_MAXCH] = "";
  const int32 got = swe_calc_ut(jd, planet, flags, xx, serr);
  if (got < 0) Fail("swe_calc_ut", serr);
  // The library silently changes ephemeris when one is unavailable; that would not be a fair
  // reference, so insist on the analytical one.
  if ((got & SEFLG_MOSEPH) == 0) Fail("swe_calc_ut", "did not use the analytical ephemeris");
  return xx[0];
}

// Reference values of every row at jd (UT) in the frame of the given flags.
RowValues Reference(double jd, int32 flags) {
  RowValues v{};
  for (std::size_t i = 0; i < kRows.size(); ++i) {
    const int body = kRows[i].body;
    if (body >= astrocore::kSun && body <= astrocore::kPluto) {
      v[i] = BodyLongitude(jd, SE_SUN + (body - astrocore::kSun), flags);
    } else if (body == astrocore::kLunarNode) {
      v[i] = BodyLongitude(jd, SE_MEAN_NODE, flags);
    }
  }
  double cusps[13] = {};
  double ascmc[16] = {};  // the library fills at most 10
  // Placidus is the house system whose cusps the charts compute; the angles and the Vertex
  // do not depend on the house system. SEFLG_NONUT gives mean sidereal time and obliquity.
  const int32 houseFlags = (flags & SEFLG_NONUT) | SEFLG_MOSEPH;
  if (swe_houses_ex(jd, houseFlags, kLatitudeNorth, kLongitudeEast, 'P', cusps, ascmc) < 0) {
    Fail("swe_houses_ex", "failed");
  }
  for (std::size_t i = 0; i < kRows.size(); ++i) {
    switch (kRows[i].body) {
      case astrocore::kAscendant:
        v[i] = ascmc[SE_ASC];
        break;
      case astrocore::kMidheaven:
        v[i] = ascmc[SE_MC];
        break;
      case astrocore::kVertex:
        v[i] = ascmc[SE_VERTEX];
        break;
      case 0:
        v[i] = cusps[kRows[i].cusp];
        break;
      default:
        break;
    }
  }
  // The charts take the Part of Fortune as Moon + Ascendant - Sun by day and by night.
  v[RowOf(astrocore::kPartOfFortune)] = ReduceDegrees(
      v[RowOf(astrocore::kMoon)] + v[RowOf(astrocore::kAscendant)] - v[RowOf(astrocore::kSun)]);
  return v;
}

RowValues ChartValues(double jd) {
  int year = 0;
  int month = 0;
  int day = 0;
  double hour = 0;
  swe_revjul(jd, SE_GREG_CAL, &year, &month, &day, &hour);
  astrocore::ChartInput input;
  input.day = day;
  input.month = month;
  input.year = year;
  input.localTime = 12.00;  // the samples are at noon, zone 0, so UT = 12h
  input.zoneDifference = 0;
  input.placeLongitude = kChartLongitude;
  input.placeLatitude = kChartLatitude;
  const astrocore::ChartRecord chart = astrocore::ComputeChart(input);
  RowValues v{};
  for (std::size_t i = 0; i < kRows.size(); ++i) {
    v[i] = kRows[i].body != 0 ? chart.bodyLongitude[kRows[i].body] : chart.houseCusp[kRows[i].cusp];
  }
  return v;
}

std::string DateText(double jd) {
  int year = 0;
  int month = 0;
  int day = 0;
  double hour = 0;
  swe_revjul(jd, SE_GREG_CAL, &year, &month, &day, &hour);
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, month, day);
  return text;
}

// Arc minutes up to a degree, degrees beyond, so that every figure has about three digits.
std::string AngleText(double degrees) {
  char text[32];
  const double minutes = degrees * 60;
  if (minutes < 0.995 && minutes > -0.995) {
    std::snprintf(text, sizeof text, "%.2f′", minutes);
  } else if (minutes < 59.95 && minutes > -59.95) {
    std::snprintf(text, sizeof text, "%.1f′", minutes);
  } else {
    std::snprintf(text, sizeof text, "%.2f°", degrees);
  }
  return text;
}

struct Stats {
  double meanAbs = 0;
  double bias = 0;  // mean signed error
  double p95 = 0;   // 95th percentile of the absolute error, nearest rank
  double maxAbs = 0;
  double maxSigned = 0;
  double maxJd = 0;
};

Stats ErrorStats(const std::vector<Sample>& samples, std::size_t row, bool apparent) {
  Stats s;
  std::vector<double> absErrors;
  absErrors.reserve(samples.size());
  for (const Sample& sample : samples) {
    const double ref = apparent ? sample.apparent[row] : sample.mean[row];
    const double e = AngleDifference(sample.chart[row], ref);
    s.meanAbs += std::fabs(e);
    s.bias += e;
    absErrors.push_back(std::fabs(e));
    if (std::fabs(e) > s.maxAbs) {
      s.maxAbs = std::fabs(e);
      s.maxSigned = e;
      s.maxJd = sample.jd;
    }
  }
  const double n = static_cast<double>(samples.size());
  s.meanAbs /= n;
  s.bias /= n;
  std::sort(absErrors.begin(), absErrors.end());
  const std::size_t rank = static_cast<std::size_t>(std::ceil(0.95 * n));
  s.p95 = absErrors[std::max<std::size_t>(rank, 1) - 1];
  return s;
}

void PrintTable(const std::vector<Sample>& samples) {
  std::printf(
      "| Body | Mean error | 95 %% below | Largest error | Date of largest | Mean signed error "
      "| Apparent: mean error | Apparent: largest |\n");
  std::printf("| --- | ---: | ---: | ---: | --- | ---: | ---: | ---: |\n");
  for (std::size_t row = 0; row < kRows.size(); ++row) {
    const Stats m = ErrorStats(samples, row, false);
    const Stats a = ErrorStats(samples, row, true);
    std::printf("| %s | %s | %s | %s | %s | %s | %s | %s |\n", std::string(kRows[row].name).c_str(),
                AngleText(m.meanAbs).c_str(), AngleText(m.p95).c_str(),
                AngleText(m.maxSigned).c_str(), DateText(m.maxJd).c_str(),
                AngleText(m.bias).c_str(), AngleText(a.meanAbs).c_str(),
                AngleText(a.maxSigned).c_str());
  }
}

}  // namespace

int main(int argc, char** argv) {
  // Whole days, so that every sample falls at 12:00 UT.
  long days = 1;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--step") == 0 && i + 1 < argc) {
      days = std::strtol(argv[++i], nullptr, 10);
    } else {
      std::fprintf(stderr, "usage: compare_ephemeris [--step DAYS]\n");
      return 2;
    }
  }
  if (days < 1 || days > 3660) {
    std::fprintf(stderr, "compare_ephemeris: the step must be 1 to 3660 days\n");
    return 2;
  }

  const double first = swe_julday(1900, 1, 1, 12.0, SE_GREG_CAL);
  const double last = swe_julday(2100, 12, 31, 12.0, SE_GREG_CAL);
  std::vector<Sample> samples;
  for (double jd = first; jd <= last; jd += static_cast<double>(days)) {
    Sample s;
    s.jd = jd;
    s.chart = ChartValues(jd);
    s.mean = Reference(jd, kMeanFlags);
    s.apparent = Reference(jd, kApparentFlags);
    samples.push_back(s);
  }
  // Delta T as the library applied it to the analytical ephemeris, in seconds.
  auto deltaT = [](double jd) { return swe_deltat_ex(jd, SEFLG_MOSEPH, nullptr) * 86400; };
  char version[AS_MAXCH] = "";
  swe_version(version);
  std::printf(
      "%zu samples, one every %ld day(s) at 12:00 UT from %s to %s, at 26°05' E, 44°25' N.\n"
      "Reference: Swiss Ephemeris %s, analytical (Moshier) mode, no data files.\n"
      "Delta T applied by the library: %.0f s in 1900, %.0f s in 2000, %.0f s in 2100.\n\n",
      samples.size(), days, DateText(first).c_str(), DateText(samples.back().jd).c_str(), version,
      deltaT(first), deltaT(swe_julday(2000, 1, 1, 12.0, SE_GREG_CAL)), deltaT(last));
  PrintTable(samples);
  swe_close();
  return 0;
}
