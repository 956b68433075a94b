// What the program holds from the dialogue to the end of the key loop.
#pragma once

#include <string>

#include "biorhythm/calendar.h"

namespace biorhythm {

struct ProgramState {
  std::string name;
  Date birth;
  Date current;
  bool done = false;
  MonthTable monthLength = kStartMonthLength;
};

}  // namespace biorhythm
