// Placeholder until the wheels land.
#include "natalchart/wheels.h"
namespace natalchart {
void DrawNameWheel(wingraph::Device&, const astrocore::ChartRecord&) {}
void DrawGlyphWheel(wingraph::Device&, const astrocore::ChartRecord&) {}
}  // namespace natalchart
