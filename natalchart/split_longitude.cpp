// Placeholder until the splitting lands.
#include "natalchart/chart_symbols.h"
namespace natalchart {
LongitudeParts SplitLongitude(double) { return {}; }
LongitudeParts SplitLongitude(console::Console&, std::string_view, double) { return {}; }
}  // namespace natalchart
