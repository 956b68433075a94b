// biorhythm: asks for a name, a birth date and a current date, draws the four cycles and
// their mean with advice for the day, and steps the day with the arrow keys until Esc.
#include "biorhythm/dialogue.h"
#include "biorhythm/key_loop.h"
#include "console/console.h"
#include "wingraph/wingraph.h"

int main() {
  console::Console con = console::StandardConsole();
  biorhythm::ProgramState state = biorhythm::RunDialogue(con);

  wingraph::Device dev;
  wingraph::InitGraph(dev, wingraph::kDriverVga256, wingraph::kMode640x480, "BIORITMURI");
  biorhythm::ShowChart(dev, state);
  biorhythm::RunKeyLoop(dev, state);
  wingraph::CloseGraph(dev);
  return 0;
}
