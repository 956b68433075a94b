// natalchart: a birth chart from a date, a time and a place typed on the console.
#include "console/console.h"
#include "natalchart/natal_program.h"
#include "wingraph/wingraph.h"

int main() {
  console::Console con = console::StandardConsole();
  wingraph::Device dev;
  return natalchart::RunNatalChart(con, dev);
}
