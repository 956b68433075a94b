// Straight segments between real points, plotted pixel by pixel with 16.16 fixed-point
// stepping, and the orbit ellipses drawn as polygons of such segments.
#pragma once

#include "planetarium/orbit_model.h"
#include "wingraph/wingraph.h"

namespace planetarium {

// Segments reaching further than this from the page corner are cut to it before stepping,
// so every fixed-point value stays far inside 64 bits and no conversion can overflow.
inline constexpr double kPlotLimit = 4194304.0;  // 2^22

// The pixel at the far end along the stepping axis is left out, so neighbouring sides of a
// polygon do not plot their shared corner twice.
void PlotLine(wingraph::Device& dev, int colour, double x1, double y1, double x2, double y2);

// The 64-sided polygon through C + A cos theta + B sin theta.
void DrawOrbit(wingraph::Device& dev, int colour, const OrbitFrame& frame);

}  // namespace planetarium
