#pragma once

#include "plate_chart/svg_document.h"

namespace flange::chart {

// A small drawing of the panel that names the points of the chart's curves: the free edge Ly
// below, the clamped edges (hatched) on the other three sides, the directions x (across, towards
// the free edge) and y (along it), point 0 at the ends of the free edge, 1 at its middle, 2 at
// the middle of the opposite edge and 3 at the middles of the side edges.
class PanelKey {
public:
    // Draws the panel with its top-left corner at `corner`, `width` along the free edge and
    // `depth` across.
    void draw(SvgDocument& doc, Point corner, double width, double depth) const;
};

} // namespace flange::chart
