// chartanim: a chart wheel that moves on by a typed number of minutes at every key.
#include "chartanim/dialogue.h"
#include "chartanim/frame_loop.h"
#include "console/console.h"
#include "wingraph/wingraph.h"

int main() {
  console::Console con = console::StandardConsole();
  const chartanim::AnimationClock clock = chartanim::ReadAnimationClock(con);
  wingraph::Device dev;
  wingraph::InitGraph(dev, wingraph::kDriverVga256, wingraph::kMode800x600, "ASTROGRAMA ANIMATA");
  chartanim::RunAnimation(dev, clock);
  return 0;
}
