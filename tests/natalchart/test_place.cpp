// The city table, the place dialogue and the zone from the longitude.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "console/stream_fixture.h"
#include "natalchart/place.h"

namespace {

using natalchart::kCityTable;

const std::string kTableQuestion =
    "Folosesti tabelul ptr. alegerea coordonatelor locului ? (1=Da,0=Nu):";
const std::string kCityPrompt = "Num\x85rul orasului:";
const std::string kNotInTable = "Num\x85rul nu este \x8Cn tabel (1-50).\n";
const std::string kHint = "\nPtr.a alege un oras apas\x85 \"1\"\n";

// The listing of entries first..last, one line each.
std::string Listing(int first, int last) {
  std::string text;
  for (int i = first; i <= last; ++i) {
    text += natalchart::CityListingLine(i, kCityTable[i - 1]) + "\n";
  }
  return text;
}

struct ListingCase {
  int number;
  const char* line;
};

void PrintTo(const ListingCase& c, std::ostream* os) {
  *os << "entry " << c.number;
}

class ListingLineTest : public testing::TestWithParam<ListingCase> {};

TEST_P(ListingLineTest, WritesNumbersWithoutLeadingBlanksOrZeros) {
  const ListingCase& c = GetParam();
  EXPECT_EQ(natalchart::CityListingLine(c.number, kCityTable[c.number - 1]), c.line);
}

INSTANTIATE_TEST_SUITE_P(Entries, ListingLineTest,
                         testing::Values(ListingCase{1,
                                                     "1.Alba Iulia - Lat.46\xf8"
                                                     "5'N, Long.23\xf8"
                                                     "35'E"},
                                         ListingCase{10,
                                                     "10.Br\x85ila - Lat.45\xf8"
                                                     "16'N, Long.27\xf8"
                                                     "58'E"},
                                         ListingCase{11,
                                                     "11.Bucuresti - Lat.44\xf8"
                                                     "25'N, Long.26\xf8"
                                                     "5'E"},
                                         ListingCase{13,
                                                     "13.C\x85lan - Lat.45\xf8"
                                                     "45'N, Long.23\xf8"
                                                     "0'E"},
                                         ListingCase{15,
                                                     "15.C\x83mpulung Moldovenesc - Lat.47\xf8"
                                                     "30'N, Long.25\xf8"
                                                     "30'E"},
                                         ListingCase{20,
                                                     "20.Deva - Lat.45\xf8"
                                                     "50'N, Long.22\xf8"
                                                     "55'E"},
                                         ListingCase{36,
                                                     "36.R\x83mnicu V\x83lcea - Lat.45\xf8"
                                                     "10'N, Long.24\xf8"
                                                     "15'E"},
                                         ListingCase{50,
                                                     "50.Zal\x85u - Lat.47\xf8"
                                                     "15'N, Long.23\xf8"
                                                     "5'E"}));

TEST(ListingLine, HemisphereLettersFollowTheFlags) {
  natalchart::City south{"Sud", 33, 55, 1, 18, 25, 0};
  EXPECT_EQ(natalchart::CityListingLine(7, south),
            "7.Sud - Lat.33\xf8"
            "55'S, Long.18\xf8"
            "25'V");
  natalchart::Place place = natalchart::CityPlace(south);
  EXPECT_EQ(place.placeLatitude, -33.55);
  EXPECT_EQ(place.placeLongitude, 18.25);
  EXPECT_EQ(natalchart::CityConfirmationLine(south, place),
            "Sud - Latitudine:-33.550S, Longitudine:18.250V");
}

TEST(CityTable, EveryEntryIsANorthernEasternRomanianCity) {
  for (const natalchart::City& city : kCityTable) {
    EXPECT_LE(city.name.size(), 21u) << city.name;
    EXPECT_EQ(city.southFlag, 0) << city.name;
    EXPECT_EQ(city.eastFlag, 1) << city.name;
    EXPECT_TRUE(city.latitudeDegrees >= 43 && city.latitudeDegrees <= 48) << city.name;
    EXPECT_TRUE(city.longitudeDegrees >= 20 && city.longitudeDegrees <= 29) << city.name;
    EXPECT_TRUE(city.latitudeMinutes < 60 && city.longitudeMinutes < 60) << city.name;
  }
}

struct CityCase {
  int number;
  double placeLongitude;
  double placeLatitude;
  const char* confirmation;
};

void PrintTo(const CityCase& c, std::ostream* os) {
  *os << "entry " << c.number;
}

class CityPlaceTest : public testing::TestWithParam<CityCase> {};

TEST_P(CityPlaceTest, GivesDotNotationEastNegative) {
  const CityCase& c = GetParam();
  const natalchart::City& city = kCityTable[c.number - 1];
  natalchart::Place place = natalchart::CityPlace(city);
  EXPECT_EQ(place.placeLongitude, c.placeLongitude);
  EXPECT_EQ(place.placeLatitude, c.placeLatitude);
  EXPECT_EQ(natalchart::CityConfirmationLine(city, place), c.confirmation);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, CityPlaceTest,
    testing::Values(
        CityCase{10, -27.58, 45.16, "Br\x85ila - Latitudine:45.160N, Longitudine:-27.580E"},
        CityCase{11, -26.05, 44.25, "Bucuresti - Latitudine:44.250N, Longitudine:-26.050E"},
        CityCase{13, -23.00, 45.45, "C\x85lan - Latitudine:45.450N, Longitudine:-23.000E"},
        CityCase{1, -23.35, 46.05, "Alba Iulia - Latitudine:46.050N, Longitudine:-23.350E"}));

struct ZoneCase {
  double placeLongitude;
  double zone;
};

void PrintTo(const ZoneCase& c, std::ostream* os) {
  *os << "longitude " << c.placeLongitude;
}

class ZoneTest : public testing::TestWithParam<ZoneCase> {};

TEST_P(ZoneTest, NearestWholeHourHalvesToEven) {
  const ZoneCase& c = GetParam();
  double zone = natalchart::ZoneFromLongitude(c.placeLongitude);
  EXPECT_EQ(zone, c.zone) << c.placeLongitude;
  EXPECT_FALSE(std::signbit(zone) && zone == 0) << "negative zero for " << c.placeLongitude;
}

INSTANTIATE_TEST_SUITE_P(Examples, ZoneTest,
                         testing::Values(ZoneCase{-26.06, -2}, ZoneCase{-22.53, -2},
                                         ZoneCase{-21.14, -1}, ZoneCase{0, 0}, ZoneCase{-22.30, -2},
                                         ZoneCase{-7.30, 0}, ZoneCase{7.30, 0}, ZoneCase{22.30, 2},
                                         ZoneCase{-26.05, -2}, ZoneCase{74.00, 5},
                                         ZoneCase{-180.00, -12}, ZoneCase{1e308, 1e308 / 15}));

TEST(Zone, NonFiniteLongitudeGivesNoNumberButNoFault) {
  EXPECT_TRUE(std::isnan(natalchart::ZoneFromLongitude(std::nan(""))));
  EXPECT_FALSE(
      std::isfinite(natalchart::ZoneFromLongitude(std::numeric_limits<double>::infinity())));
}

TEST(SelectPlace, TypedCoordinatesComeBackExactlyAsTyped) {
  MemoryConsole mc("0\n-26.05\n44.25\n");
  natalchart::Place place = natalchart::SelectPlace(mc.con);
  EXPECT_EQ(place.placeLongitude, -26.05);
  EXPECT_EQ(place.placeLatitude, 44.25);
  EXPECT_EQ(mc.Output(), kTableQuestion + "Longitudinea locului (E-) (GGG.MM):" +
                             "Latitudinea locului (S-) (GG.MM):");
}

TEST(SelectPlace, TableAnswerIsKeptModulo256) {
  for (const char* answer : {"256\n", "512 da\n", "-256\n"}) {
    MemoryConsole mc(std::string(answer) + "1.5\n2.5\n");
    natalchart::Place place = natalchart::SelectPlace(mc.con);
    EXPECT_EQ(place.placeLongitude, 1.5) << answer;
    EXPECT_EQ(place.placeLatitude, 2.5) << answer;
  }
  MemoryConsole table(
      "-255\n\x1b"
      "13\n");  // -255 is 1 in a byte
  EXPECT_EQ(natalchart::SelectPlace(table.con).placeLongitude, -23.00);
}

TEST(SelectPlace, EscAtTheFirstPauseListsTwentyCities) {
  MemoryConsole mc(
      "1\n\x1b"
      "11\n");
  natalchart::Place place = natalchart::SelectPlace(mc.con);
  EXPECT_EQ(place.placeLongitude, -26.05);
  EXPECT_EQ(place.placeLatitude, 44.25);
  EXPECT_EQ(mc.Output(), kTableQuestion + Listing(1, 20) + kHint + kCityPrompt +
                             "Bucuresti - Latitudine:44.250N, Longitudine:-26.050E\n");
}

TEST(SelectPlace, OtherKeysRunThroughTheTableAndStartAgain) {
  // Keys at 20, 40 (Enter), 50, then 20 of the second round, then Esc at 40.
  MemoryConsole mc(
      "1\n \na\x01\x1b"
      "10\n");
  natalchart::Place place = natalchart::SelectPlace(mc.con);
  EXPECT_EQ(place.placeLongitude, -27.58);
  EXPECT_EQ(mc.Output(), kTableQuestion + Listing(1, 50) + kHint + Listing(1, 40) + kHint +
                             kCityPrompt +
                             "Br\x85ila - Latitudine:45.160N, Longitudine:-27.580E\n");
}

TEST(SelectPlace, CityNumberIsKeptModulo256) {
  MemoryConsole mc(
      "1\n\x1b"
      "267\n");  // 267 is 11 in a byte
  EXPECT_EQ(natalchart::SelectPlace(mc.con).placeLongitude, -26.05);
}

TEST(SelectPlace, NumberOutsideTheTableIsAskedAgain) {
  MemoryConsole mc(
      "1\n\x1b"
      "0\n51\n255\n-1\n50\n");
  natalchart::Place place = natalchart::SelectPlace(mc.con);
  EXPECT_EQ(place.placeLongitude, -23.05);
  EXPECT_EQ(place.placeLatitude, 47.15);
  std::string again = kCityPrompt + kNotInTable;
  EXPECT_EQ(mc.Output(), kTableQuestion + Listing(1, 20) + kHint + again + again + again + again +
                             kCityPrompt + "Zal\x85u - Latitudine:47.150N, Longitudine:-23.050E\n");
}

struct EndCase {
  const char* input;
  const char* why;
};

void PrintTo(const EndCase& c, std::ostream* os) {
  *os << c.why;
}

class SelectPlaceEndTest : public testing::TestWithParam<EndCase> {};

// Once nobody can answer, a number outside the table falls back to Bucuresti at once.
TEST_P(SelectPlaceEndTest, FallsBackToBucurestiWithoutLooping) {
  MemoryConsole mc(GetParam().input);
  natalchart::Place place = natalchart::SelectPlace(mc.con);
  EXPECT_TRUE(mc.con.inputError) << GetParam().why;
  EXPECT_EQ(place.placeLongitude, -26.05) << GetParam().why;
  EXPECT_EQ(place.placeLatitude, 44.25) << GetParam().why;
}

INSTANTIATE_TEST_SUITE_P(Cases, SelectPlaceEndTest,
                         testing::Values(EndCase{"1\n\x1b", "input ends at the city number"},
                                         EndCase{"1\n\x1b"
                                                 "x\n",
                                                 "city number not a number"},
                                         EndCase{"1\n\x1b"
                                                 "77\n",
                                                 "out of the table, then the input ends"},
                                         EndCase{"1\n ", "input ends at the second pause"},
                                         EndCase{"1\n", "input ends at the first pause"}));

TEST(SelectPlace, InputEndingAtTheFirstPauseStopsTheListingThere) {
  MemoryConsole mc("1\n");
  natalchart::SelectPlace(mc.con);
  EXPECT_EQ(mc.Output(), kTableQuestion + Listing(1, 20));
}

TEST(SelectPlace, EndOfInputAtTheTableQuestionMeansTypedZeros) {
  MemoryConsole mc("");
  natalchart::Place place = natalchart::SelectPlace(mc.con);
  EXPECT_EQ(place.placeLongitude, 0);
  EXPECT_EQ(place.placeLatitude, 0);
  EXPECT_EQ(mc.Output(), kTableQuestion);
}

}  // namespace
