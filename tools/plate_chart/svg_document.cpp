#include "plate_chart/svg_document.h"

#include <cmath>
#include <cstdio>

namespace flange::chart {

namespace {

std::string number(double v)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", std::abs(v) < 0.05 ? 0.0 : v);
    std::string s = text;
    if (s.size() > 2 && s.compare(s.size() - 2, 2, ".0") == 0)
        s.resize(s.size() - 2);
    return s;
}

std::string escaped(std::string_view text)
{
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

std::string strokeAttributes(const Stroke& s)
{
    std::string a =
        " fill=\"none\" stroke=\"" + s.colour + "\" stroke-width=\"" + number(s.width) + "\"";
    if (!s.dash.empty())
        a += " stroke-dasharray=\"" + s.dash + "\"";
    return a;
}

std::string pointList(const std::vector<Point>& points)
{
    std::string list;
    for (const auto& p : points)
        list += (list.empty() ? "" : " ") + number(p.x) + "," + number(p.y);
    return list;
}

} // namespace

SvgDocument::SvgDocument(int widthTwips, int heightTwips, std::string_view title)
    : width_(widthTwips), height_(heightTwips)
{
    body_ = "  <title>" + escaped(title) + "</title>\n";
}

void SvgDocument::line(Point a, Point b, const Stroke& stroke)
{
    body_ += "  <line x1=\"" + number(a.x) + "\" y1=\"" + number(a.y) + "\" x2=\"" + number(b.x)
             + "\" y2=\"" + number(b.y) + "\"" + strokeAttributes(stroke) + "/>\n";
}

void SvgDocument::polyline(const std::vector<Point>& points, const Stroke& stroke)
{
    body_ += "  <polyline points=\"" + pointList(points) + "\"" + strokeAttributes(stroke)
             + " stroke-linejoin=\"round\"/>\n";
}

void SvgDocument::polygon(const std::vector<Point>& points, std::string_view fill)
{
    body_ +=
        "  <polygon points=\"" + pointList(points) + "\" fill=\"" + std::string(fill) + "\"/>\n";
}

void SvgDocument::rect(double x, double y, double width, double height, std::string_view fill)
{
    body_ += "  <rect x=\"" + number(x) + "\" y=\"" + number(y) + "\" width=\"" + number(width)
             + "\" height=\"" + number(height) + "\" fill=\"" + std::string(fill) + "\"/>\n";
}

void SvgDocument::circle(Point centre, double radius, std::string_view fill)
{
    body_ += "  <circle cx=\"" + number(centre.x) + "\" cy=\"" + number(centre.y) + "\" r=\""
             + number(radius) + "\" fill=\"" + std::string(fill) + "\"/>\n";
}

void SvgDocument::arrowHead(Point tip, double dx, double dy, double length, double halfWidth)
{
    const Point back{tip.x - dx * length, tip.y - dy * length};
    polygon({tip,
             {back.x - dy * halfWidth, back.y + dx * halfWidth},
             {back.x + dy * halfWidth, back.y - dx * halfWidth}},
            "#000000");
}

void SvgDocument::text(Point at, std::string_view text, const Font& font, Anchor anchor)
{
    static const char* anchors[] = {"start", "middle", "end"};
    body_ += "  <text x=\"" + number(at.x) + "\" y=\"" + number(at.y) + "\" font-family=\""
             + font.family + "\" font-size=\"" + number(font.size) + "\" font-style=\""
             + (font.italic ? "italic" : "normal") + "\"";
    if (anchor != Anchor::Start)
        body_ += std::string(" text-anchor=\"") + anchors[int(anchor)] + "\"";
    body_ += " fill=\"#000000\">" + escaped(text) + "</text>\n";
}

std::string SvgDocument::str() const
{
    const std::string w = std::to_string(width_), h = std::to_string(height_);
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.2\" baseProfile=\"tiny\" width=\""
           + w + "\" height=\"" + h + "\" viewBox=\"0 0 " + w + " " + h + "\">\n" + body_
           + "</svg>\n";
}

} // namespace flange::chart
