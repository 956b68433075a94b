#include "chartanim/dialogue.h"

namespace chartanim {

AnimationClock ReadAnimationClock(console::Console& con) {
  astrocore::ChartInput typed;
  console::WritePrompt(con, "Ziua=");
  typed.day = console::ReadReal(con);
  console::WritePrompt(con, "Luna=");
  typed.month = console::ReadReal(con);
  console::WritePrompt(con, "Anul=");
  typed.year = console::ReadReal(con);
  console::WritePrompt(con, "Ora locala (OO.MM(SS/6)):");
  typed.localTime = console::ReadReal(con);
  console::WritePrompt(con, "Intervalul in minute cu care ma deplasez in timp:");
  const double stepMinutes = console::ReadReal(con);
  // Only a hint of the notation: the coordinates are not used unless typed.
  console::WriteLine(con, kPlaceExample);
  console::WritePrompt(con, "Longitudine (E-) (GGG.MM):");
  typed.placeLongitude = console::ReadReal(con);
  console::WritePrompt(con, "Latitudine (S-) (GG.MM):");
  typed.placeLatitude = console::ReadReal(con);
  return StartClock(typed, stepMinutes);
}

}  // namespace chartanim
