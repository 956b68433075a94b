// The console questions that set the animation clock.
#pragma once

#include "chartanim/clock.h"
#include "console/console.h"

namespace chartanim {

inline constexpr const char* kPlaceExample = "BRAILA: Lon(E):-27.58, Lat(N):45.20";

// Asks for the date, the local time, the step in minutes and the place, in that order,
// and returns the clock of the first frame (zone fixed at kZoneDifference).
AnimationClock ReadAnimationClock(console::Console& con);

}  // namespace chartanim
