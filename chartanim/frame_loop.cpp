#include "chartanim/frame_loop.h"

#include "astrocore/chart.h"
#include "chartanim/animated_wheel.h"

namespace chartanim {

void RunAnimation(wingraph::Device& dev, AnimationClock clock) {
  int page = 0;
  while (true) {
    // Draw on the page just hidden; the other one keeps showing the previous frame.
    wingraph::SetActivePage(dev, page);
    page = 1 - page;
    wingraph::SetVisualPage(dev, page);
    wingraph::ClearDevice(dev);
    DrawAnimatedWheel(dev, astrocore::ComputeChart(clock.input));
    AdvanceClock(clock);
    if (wingraph::ReadKey(dev) == wingraph::kKeyEsc) {
      wingraph::CloseGraph(dev);
      return;
    }
  }
}

}  // namespace chartanim
