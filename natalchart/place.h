// The place of birth: typed coordinates or one of fifty cities, and the zone it implies.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "console/console.h"

namespace natalchart {

// Whole degrees and minutes with hemisphere flags, as the table lists them.
struct City {
  std::string_view name;  // at most 21 characters, code page 437
  int latitudeDegrees;
  int latitudeMinutes;
  int southFlag;  // 0 north, 1 south
  int longitudeDegrees;
  int longitudeMinutes;
  int eastFlag;  // 0 west, 1 east
};

inline constexpr int kCityCount = 50;
// The city a city number outside the table falls back to when it cannot be asked again.
inline constexpr int kFallbackCityNumber = 11;

// Entry i of the table is kCityTable[i - 1].
inline constexpr std::array<City, kCityCount> kCityTable = {{
    {"Alba Iulia", 46, 5, 0, 23, 35, 1},
    {"Alexandria", 43, 55, 0, 25, 20, 1},
    {"Arad", 46, 15, 0, 21, 15, 1},
    {"Bac\x85u", 46, 35, 0, 26, 55, 1},
    {"Baia Mare", 47, 40, 0, 23, 30, 1},
    {"Bistrita", 47, 10, 0, 24, 30, 1},
    {"Botosani", 47, 40, 0, 26, 40, 1},
    {"Brad", 46, 10, 0, 22, 40, 1},
    {"Brasov", 45, 40, 0, 25, 35, 1},
    {"Br\x85ila", 45, 16, 0, 27, 58, 1},
    {"Bucuresti", 44, 25, 0, 26, 5, 1},
    {"Buz\x85u", 45, 10, 0, 26, 50, 1},
    {"C\x85lan", 45, 45, 0, 23, 0, 1},
    {"C\x85l\x85rasi", 44, 10, 0, 27, 20, 1},
    {"C\x83mpulung Moldovenesc", 47, 30, 0, 25, 30, 1},
    {"Cluj", 46, 45, 0, 23, 35, 1},
    {"Com\x85nesti", 45, 25, 0, 26, 25, 1},
    {"Constanta", 44, 15, 0, 28, 40, 1},
    {"Craiova", 44, 20, 0, 23, 50, 1},
    {"Deva", 45, 50, 0, 22, 55, 1},
    {"Drobeta Turnu Severin", 44, 40, 0, 22, 35, 1},
    {"Galati", 45, 30, 0, 28, 0, 1},
    {"Giurgiu", 43, 50, 0, 25, 55, 1},
    {"Iasi", 47, 10, 0, 27, 30, 1},
    {"Lugoj", 45, 40, 0, 21, 55, 1},
    {"Medias", 46, 15, 0, 24, 20, 1},
    {"Miercurea Ciuc", 46, 25, 0, 25, 40, 1},
    {"Odorheiu Secuiesc", 46, 20, 0, 25, 20, 1},
    {"Oradea", 47, 5, 0, 21, 55, 1},
    {"Orsova", 44, 45, 0, 22, 25, 1},
    {"Petrosani", 45, 25, 0, 23, 20, 1},
    {"Piatra Neamt", 46, 55, 0, 26, 20, 1},
    {"Pitesti", 44, 50, 0, 24, 50, 1},
    {"Ploiesti", 44, 45, 0, 26, 0, 1},
    {"Resita", 45, 20, 0, 21, 55, 1},
    {"R\x83mnicu V\x83lcea", 45, 10, 0, 24, 15, 1},
    {"Roman", 46, 55, 0, 26, 55, 1},
    {"Satu Mare", 47, 45, 0, 22, 50, 1},
    {"Sf\x83ntu Gheorghe", 45, 55, 0, 25, 45, 1},
    {"Sibiu", 45, 50, 0, 24, 10, 1},
    {"Slatina", 44, 25, 0, 24, 25, 1},
    {"Slobozia", 44, 35, 0, 27, 25, 1},
    {"Suceava", 47, 35, 0, 26, 15, 1},
    {"T\x83rgoviste", 44, 55, 0, 25, 25, 1},
    {"T\x83rgu Jiu", 45, 5, 0, 23, 15, 1},
    {"T\x83rgu Mures", 46, 30, 0, 24, 30, 1},
    {"Timisoara", 45, 40, 0, 21, 10, 1},
    {"Tulcea", 45, 10, 0, 28, 45, 1},
    {"Vaslui", 46, 40, 0, 27, 40, 1},
    {"Zal\x85u", 47, 15, 0, 23, 5, 1},
}};

// Dot notation (GGG.MM, GG.MM), east longitude and south latitude negative.
struct Place {
  double placeLongitude = 0;
  double placeLatitude = 0;
};

// The table entry's coordinates in the dot notation.
Place CityPlace(const City& city);

// The listing line of table entry `number`.
std::string CityListingLine(int number, const City& city);

// The line that confirms the chosen city and its coordinates.
std::string CityConfirmationLine(const City& city, const Place& place);

// Asks whether to use the table, then either reads the two coordinates or lists the
// table (with its pauses) and reads a city number.
Place SelectPlace(console::Console& con);

// Whole hours between local time and universal time implied by the longitude: the
// nearest whole number to the decimal longitude / 15, halves to even; east negative.
double ZoneFromLongitude(double placeLongitude);

}  // namespace natalchart
