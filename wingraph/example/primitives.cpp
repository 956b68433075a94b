#include "wingraph/wingraph.h"

int main() {
  wingraph::Device dev;
  wingraph::InitGraph(dev, wingraph::kDriverVga256, wingraph::kMode640x480, "WINGRAPH");
  wingraph::Line(dev, 10, 10, 100, 50);
  wingraph::ReadKey(dev);
  wingraph::CloseGraph(dev);
  return 0;
}
