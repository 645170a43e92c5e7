#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace flange::chart {

struct Point {
    double x = 0.0;
    double y = 0.0;
};

struct Stroke {
    double width = 15.0; // twips
    std::string colour = "#000000";
    std::string dash; // stroke-dasharray in twips, empty for a solid line
};

struct Font {
    std::string family = "DejaVu Sans";
    double size = 180.0; // twips
    bool italic = false;
};

enum class Anchor { Start, Middle, End };

// A drawing in twips written as SVG with only the elements Qt's SVG renderer draws (SVG Tiny
// 1.2): width, height and viewBox all in twips, so the picture shows at its own size.
class SvgDocument {
public:
    SvgDocument(int widthTwips, int heightTwips, std::string_view title);

    void line(Point a, Point b, const Stroke& stroke);
    void polyline(const std::vector<Point>& points, const Stroke& stroke);
    void polygon(const std::vector<Point>& points, std::string_view fill);
    void rect(double x, double y, double width, double height, std::string_view fill);
    void circle(Point centre, double radius, std::string_view fill);
    // A filled triangle with its tip at `tip`, pointing along the unit direction (dx, dy).
    void arrowHead(Point tip, double dx, double dy, double length, double halfWidth);
    // Text with its baseline at y.
    void text(Point at, std::string_view text, const Font& font, Anchor anchor = Anchor::Start);

    int width() const { return width_; }
    int height() const { return height_; }
    std::string str() const;

private:
    int width_;
    int height_;
    std::string body_;
};

} // namespace flange::chart
