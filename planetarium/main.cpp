// planetarium: the solar system seen from above, following the clock or stepped by keys.
#include "planetarium/controls.h"
#include "wingraph/wingraph.h"

int main() {
  wingraph::Device dev;
  planetarium::RunPlanetarium(dev);
  return 0;
}
