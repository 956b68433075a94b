// The page-flipping frame loop of the animated chart.
#pragma once

#include "chartanim/clock.h"
#include "wingraph/wingraph.h"

namespace chartanim {

// Shows one chart per key until Esc, then closes the window. Each frame is drawn on the
// hidden page and shown at the next key, so a half-drawn wheel is never on screen.
void RunAnimation(wingraph::Device& dev, AnimationClock clock);

}  // namespace chartanim
