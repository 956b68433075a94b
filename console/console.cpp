// Placeholder until the real layer lands.
#include "console/console.h"

namespace console {
Console StandardConsole() { return StreamConsole(stdin, stdout); }
Console StreamConsole(std::FILE* in, std::FILE* out) {
  Console con;
  con.in = in;
  con.out = out;
  return con;
}
void WritePrompt(Console&, std::string_view) {}
void WriteLine(Console&, std::string_view) {}
double ReadReal(Console&) { return 0; }
unsigned ReadWhole(Console&, unsigned) { return 0; }
std::string ReadLine(Console&) { return {}; }
int ReadSingleKey(Console&) { return 27; }
std::string FormatReal(double, int, int) { return {}; }
std::string FormatInt(long long, int) { return {}; }
}  // namespace console
