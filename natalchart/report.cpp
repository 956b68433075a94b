// Placeholder until the report lands.
#include "natalchart/report.h"
namespace natalchart {
void PrintReport(console::Console&, const astrocore::ChartRecord&) {}
}  // namespace natalchart
