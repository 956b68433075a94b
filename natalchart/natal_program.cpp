// The natal chart program's main sequence; see natal_program.h.
#include "natalchart/natal_program.h"

#include <string>

#include "natalchart/grid_screens.h"
#include "natalchart/place.h"
#include "natalchart/report.h"
#include "natalchart/wheels.h"

namespace natalchart {

namespace {

void WriteHeading(console::Console& con) {
  console::WriteLine(con, "TIMPUL SI LOCUL ASTROGRAMEI");
  console::WriteLine(con, "===========================");
  console::WriteLine(
      con, "Data va fi dat\x85 pe stil nou: - ptr. data 1800 - 1900 se adaug\x85 12 zile.");
  // The dash stands under the first dash of the line above.
  console::WriteLine(con, std::string(29, ' ') + "- ptr. data 1900 - 1919 se adaug\x85 13 zile.");
}

double Ask(console::Console& con, std::string_view prompt) {
  console::WritePrompt(con, prompt);
  return console::ReadReal(con);
}

}  // namespace

astrocore::ChartInput ReadChartInput(console::Console& con) {
  WriteHeading(con);
  astrocore::ChartInput input;
  input.day = Ask(con, "Ziua=");
  input.month = Ask(con, "Luna=");
  input.year = Ask(con, "Anul=");
  input.localTime = Ask(con, "Ora locala (OO.MM(SS/6)):");
  Place place = SelectPlace(con);
  input.placeLongitude = place.placeLongitude;
  input.placeLatitude = place.placeLatitude;
  input.zoneDifference = ZoneFromLongitude(input.placeLongitude);
  console::WriteLine(
      con, "Diferenta de fus orar fata de GMT:" + console::FormatReal(input.zoneDifference, 3, 2));
  return input;
}

int RunNatalChart(console::Console& con, wingraph::Device& dev) {
  astrocore::ChartInput input = ReadChartInput(con);
  astrocore::ChartRecord chart = astrocore::ComputeChart(input);
  PrintReport(con, chart);
  console::Flush(con);

  wingraph::InitGraph(dev, wingraph::kDriverVga256, wingraph::kMode640x480, "ASTROGRAMA NASTERII");
  DrawNameWheel(dev, chart);
  wingraph::ReadKey(dev);
  wingraph::ClearDevice(dev);
  DrawGlyphWheel(dev, chart);
  wingraph::ReadKey(dev);
  wingraph::ClearDevice(dev);
  DrawAspectTables(dev, chart);  // waits for a key between its two grids itself
  wingraph::ReadKey(dev);
  wingraph::CloseGraph(dev);
  return 0;
}

}  // namespace natalchart
