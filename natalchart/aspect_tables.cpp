// Placeholder until the grids land.
#include "natalchart/aspect_tables.h"
namespace natalchart {
void DrawAspectTables(wingraph::Device&, const astrocore::ChartRecord&) {}
}  // namespace natalchart
