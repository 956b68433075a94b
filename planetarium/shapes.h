// Pixels, circles and arcs at real screen positions: each coordinate is rounded to the
// nearest integer (half to even), and shapes that cannot reach the page are left out before
// any conversion to int, so huge zoom factors or model times never overflow it.
#pragma once

#include "wingraph/wingraph.h"

namespace planetarium {

// Circles and arcs whose rounded centre or radius lies beyond this are skipped rather than
// handed to the graphics layer as int. In a view centred on the Sun such a shape never
// reaches the page: a disc that does is at most a few hundred pixels wide.
inline constexpr double kShapeLimit = 1073741824.0;  // 2^30

// Rounds x to the nearest integer, an exact half going to the even neighbour.
double Nint(double x);

void PutPixelAt(wingraph::Device& dev, double x, double y, int colour);
void CircleAt(wingraph::Device& dev, double x, double y, double radius);
void EllipseAt(wingraph::Device& dev, double x, double y, int startAngle, int endAngle,
               double xRadius, double yRadius);

}  // namespace planetarium
