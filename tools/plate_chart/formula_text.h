#pragma once

#include "plate_chart/svg_document.h"

#include <string>
#include <vector>

namespace flange::chart {

// A short formula set in DejaVu Serif, such as M with subscript y0 or w·L with subscript x and
// superscript 2: runs of text, each upright or italic and on the line, lowered as a subscript or
// raised as a superscript. Every run becomes its own <text> element at its own position, which
// needs the width of each run; the widths come from a table of DejaVu advance widths for the few
// characters the charts use.
class FormulaText {
public:
    enum class Level { Line, Sub, Super };

    FormulaText& upright(std::string text, Level level = Level::Line);
    FormulaText& italic(std::string text, Level level = Level::Line);

    // Width in twips at the given font size.
    double width(double size) const;
    // Draws the formula with its baseline at y.
    void draw(SvgDocument& doc, Point at, double size, Anchor anchor = Anchor::Start) const;

    // M or V with a subscript such as "y0": the direction letter italic, the point number upright.
    static FormulaText symbol(const std::string& letter, const std::string& direction,
                              const std::string& point);

    // The advance width of a UTF-8 string in DejaVu at 1 twip (a full-width character counts 1).
    static double advance(const std::string& text);

private:
    struct Run {
        std::string text;
        bool italic;
        Level level;
    };
    std::vector<Run> runs_;
};

} // namespace flange::chart
