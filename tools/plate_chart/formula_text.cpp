#include "plate_chart/formula_text.h"

#include <algorithm>
#include <utility>

namespace flange::chart {

namespace {

constexpr double scriptScale = 0.68; // size of sub- and superscripts against the line

// Advance widths of DejaVu Serif / Sans in em (the two agree for these characters).
double characterAdvance(char32_t c)
{
    switch (c) {
    case U'M': return 1.024;
    case U'V': return 0.722;
    case U'L': return 0.664;
    case U'w': return 0.856;
    case U'x': return 0.564;
    case U'y': return 0.565;
    case U'α': return 0.675;
    case U'λ': return 0.634;
    case U'ν': return 0.608;
    case U'×':
    case U'=': return 0.838;
    case U'(':
    case U')': return 0.390;
    case U'/': return 0.337;
    case U'.': return 0.318;
    case U' ': return 0.318;
    default: return c >= U'0' && c <= U'9' ? 0.636 : (c > 0x2E80 ? 1.0 : 0.6);
    }
}

char32_t nextCodePoint(const std::string& s, std::size_t& i)
{
    const unsigned char c = static_cast<unsigned char>(s[i++]);
    if (c < 0x80)
        return c;
    const int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : 1;
    char32_t cp = c & (0x3F >> extra);
    for (int k = 0; k < extra && i < s.size(); ++k)
        cp = (cp << 6) | (static_cast<unsigned char>(s[i++]) & 0x3F);
    return cp;
}

} // namespace

FormulaText& FormulaText::upright(std::string text, Level level)
{
    runs_.push_back({std::move(text), false, level});
    return *this;
}

FormulaText& FormulaText::italic(std::string text, Level level)
{
    runs_.push_back({std::move(text), true, level});
    return *this;
}

double FormulaText::advance(const std::string& text)
{
    double w = 0.0;
    for (std::size_t i = 0; i < text.size();)
        w += characterAdvance(nextCodePoint(text, i));
    return w;
}

double FormulaText::width(double size) const
{
    // A superscript right after a subscript stands above it, so only the wider of the two counts.
    double w = 0.0, previousScript = 0.0;
    Level previous = Level::Line;
    for (const auto& run : runs_) {
        const double runWidth =
            advance(run.text) * size * (run.level == Level::Line ? 1.0 : scriptScale);
        if (run.level == Level::Super && previous == Level::Sub) {
            w += std::max(0.0, runWidth - previousScript);
            previousScript = std::max(runWidth, previousScript);
        } else {
            w += runWidth;
            previousScript = runWidth;
        }
        previous = run.level;
    }
    return w;
}

void FormulaText::draw(SvgDocument& doc, Point at, double size, Anchor anchor) const
{
    double x = at.x;
    if (anchor == Anchor::Middle)
        x -= width(size) / 2;
    else if (anchor == Anchor::End)
        x -= width(size);
    double subStart = x, subWidth = 0.0;
    Level previous = Level::Line;
    for (const auto& run : runs_) {
        Font font{"DejaVu Serif", size, run.italic};
        double y = at.y;
        if (run.level != Level::Line) {
            font.size = size * scriptScale;
            y += run.level == Level::Sub ? 0.22 * size : -0.42 * size;
        }
        const double runWidth = advance(run.text) * font.size;
        // SVG drops spaces at the ends of a text element, so they become offsets instead.
        const std::size_t first = run.text.find_first_not_of(' ');
        const std::size_t last = run.text.find_last_not_of(' ');
        const std::string inner =
            first == std::string::npos ? std::string() : run.text.substr(first, last - first + 1);
        const double lead =
            (first == std::string::npos ? 0.0 : double(first)) * advance(" ") * font.size;
        const double start = run.level == Level::Super && previous == Level::Sub ? subStart : x;
        if (!inner.empty())
            doc.text({start + lead, y}, inner, font);
        if (run.level == Level::Super && previous == Level::Sub) {
            x = subStart + std::max(subWidth, runWidth);
        } else {
            subStart = x;
            subWidth = runWidth;
            x += runWidth;
        }
        previous = run.level;
    }
}

FormulaText FormulaText::symbol(const std::string& letter, const std::string& direction,
                                const std::string& point)
{
    FormulaText f;
    f.italic(letter).italic(direction, Level::Sub).upright(point, Level::Sub);
    return f;
}

} // namespace flange::chart
