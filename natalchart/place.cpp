// The place dialogue and the zone; see place.h.
#include "natalchart/place.h"

#include <cmath>
#include <string>

#include "astrocore/helpers.h"

namespace natalchart {

namespace {

constexpr int kEsc = 27;
constexpr unsigned kByteModulus = 256;
constexpr int kPauseEvery = 20;

constexpr std::string_view kTableQuestion =
    "Folosesti tabelul ptr. alegerea coordonatelor locului ? (1=Da,0=Nu):";
constexpr std::string_view kLongitudePrompt = "Longitudinea locului (E-) (GGG.MM):";
constexpr std::string_view kLatitudePrompt = "Latitudinea locului (S-) (GG.MM):";
constexpr std::string_view kChooseHint = "Ptr.a alege un oras apas\x85 \"1\"";
constexpr std::string_view kCityNumberPrompt = "Num\x85rul orasului:";
constexpr std::string_view kNotInTable = "Num\x85rul nu este \x8Cn tabel (1-50).";

Place ReadTypedPlace(console::Console& con) {
  Place place;
  console::WritePrompt(con, kLongitudePrompt);
  place.placeLongitude = console::ReadReal(con);
  console::WritePrompt(con, kLatitudePrompt);
  place.placeLatitude = console::ReadReal(con);
  return place;
}

// Lists the table until Esc at one of the pauses; after entry 50 it starts again.
void ListCities(console::Console& con) {
  bool stopped = false;
  while (!stopped) {
    for (int number = 1; number <= kCityCount && !stopped; ++number) {
      console::WriteLine(con, CityListingLine(number, kCityTable[number - 1]));
      if (number % kPauseEvery == 0 || number == kCityCount) {
        stopped = console::ReadSingleKey(con) == kEsc;
      }
    }
    console::WriteLine(con, "");
    console::WriteLine(con, kChooseHint);
  }
}

// A number outside the table is asked again while someone can answer; once the input
// has failed or ended every answer is 0, so the fallback city is taken instead.
int ReadCityNumber(console::Console& con) {
  for (;;) {
    console::WritePrompt(con, kCityNumberPrompt);
    unsigned number = console::ReadWhole(con, kByteModulus);
    if (number >= 1 && number <= kCityCount) return static_cast<int>(number);
    if (con.inputError) return kFallbackCityNumber;
    console::WriteLine(con, kNotInTable);
  }
}

Place ReadTablePlace(console::Console& con) {
  ListCities(con);
  const City& city = kCityTable[ReadCityNumber(con) - 1];
  Place place = CityPlace(city);
  console::WriteLine(con, CityConfirmationLine(city, place));
  return place;
}

}  // namespace

Place CityPlace(const City& city) {
  Place place;
  place.placeLatitude = city.latitudeDegrees + city.latitudeMinutes / 100.0;
  if (city.southFlag == 1) place.placeLatitude = -place.placeLatitude;
  place.placeLongitude = city.longitudeDegrees + city.longitudeMinutes / 100.0;
  if (city.eastFlag == 1) place.placeLongitude = -place.placeLongitude;
  return place;
}

std::string CityListingLine(int number, const City& city) {
  std::string line = std::to_string(number) + "." + std::string(city.name);
  line += " - Lat." + std::to_string(city.latitudeDegrees) + "\xf8" +
          std::to_string(city.latitudeMinutes) + "'" + (city.southFlag == 0 ? "N" : "S");
  line += ", Long." + std::to_string(city.longitudeDegrees) + "\xf8" +
          std::to_string(city.longitudeMinutes) + "'" + (city.eastFlag == 0 ? "V" : "E");
  return line;
}

std::string CityConfirmationLine(const City& city, const Place& place) {
  return std::string(city.name) +
         " - Latitudine:" + console::FormatReal(place.placeLatitude, 3, 3) +
         (city.southFlag == 0 ? "N" : "S") +
         ", Longitudine:" + console::FormatReal(place.placeLongitude, 3, 3) +
         (city.eastFlag == 0 ? "V" : "E");
}

Place SelectPlace(console::Console& con) {
  console::WritePrompt(con, kTableQuestion);
  unsigned useTable = console::ReadWhole(con, kByteModulus);
  return useTable == 0 ? ReadTypedPlace(con) : ReadTablePlace(con);
}

double ZoneFromLongitude(double placeLongitude) {
  // Kept in double: a huge or non-finite longitude gives a huge or non-finite zone,
  // never an out-of-range conversion. Adding 0 turns a rounded -0 into 0.
  return std::nearbyint(astrocore::DotMinutesToDecimal(placeLongitude) / 15) + 0.0;
}

}  // namespace natalchart
