// The console dialogue: the name, the birth date and the current date.
#pragma once

#include "biorhythm/program_state.h"
#include "console/console.h"

namespace biorhythm {

// Asks for a year, a month and a day. A month outside 1 to 12 or a day beyond the month is
// asked again with a short note; once the console is in its input-error state the answer is
// brought to the nearest real date instead.
Date AskDate(console::Console& con);
// The whole dialogue; the returned state has real dates only.
ProgramState RunDialogue(console::Console& con);

}  // namespace biorhythm
