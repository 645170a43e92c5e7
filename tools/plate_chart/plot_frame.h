#pragma once

#include "plate_chart/ratio_axis.h"
#include "plate_chart/svg_document.h"

#include <vector>

namespace flange::chart {

// The rectangle of a chart in twips and the coefficient range it shows: maps (λ, coefficient) to
// a point of the drawing, and draws the grid and the frame.
class PlotFrame {
public:
    PlotFrame(RatioAxis axis, double left, double right, double bottom, double top,
              double topValue);

    const RatioAxis& axis() const { return axis_; }
    double left() const { return left_; }
    double right() const { return right_; }
    double bottom() const { return bottom_; }
    double top() const { return top_; }
    double topValue() const { return topValue_; }

    double x(double lambda) const;
    double y(double value) const;
    Point at(double lambda, double value) const { return {x(lambda), y(value)}; }

    // White ground, light lines every 0.1 of the ratio and every `minorStep` of the value,
    // darker ones every 0.5 of the ratio and every `majorStep`, a heavier line at λ = 1 where the
    // axis changes from Lx/Ly to Ly/Lx, and the frame.
    void drawGrid(SvgDocument& doc, double minorStep, double majorStep) const;

    // Marks with labels on the left (or right) edge: each value in frame units with its text.
    struct ValueMark {
        double value;
        const char* label;
    };
    void drawValueMarks(SvgDocument& doc, const std::vector<ValueMark>& marks, const Font& font,
                        bool rightSide = false) const;
    // The labelled 0.5 marks under the frame (label baselines `labelDrop` below it), and the
    // names Lx/Ly and Ly/Lx under the two halves (baselines `namesDrop` below it).
    void drawRatioMarks(SvgDocument& doc, const Font& font, double labelDrop,
                        double namesDrop) const;

private:
    RatioAxis axis_;
    double left_, right_, bottom_, top_;
    double topValue_;
};

} // namespace flange::chart
