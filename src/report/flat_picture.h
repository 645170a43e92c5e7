#pragma once

// A stored drawing made ready for printing: the shapes the SVG renderer paints, each path with its
// pen, brush and transform, and the drawing's plain texts, which are set as real text.
//
// Drawn directly, the SVG renderer turns every glyph into outlines and paints shapes with a pen
// even where the drawing has no stroke; Qt's PDF writer strokes those invisible pens, which
// thickens every shape by a hair and doubles the data a printer receives. Painting the recorded
// shapes leaves the invisible pens out, and setting the texts with the font keeps the pages small
// and their text readable. The texts are painted after the shapes.

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QPainterPath>
#include <QPen>
#include <QTransform>

#include <optional>
#include <vector>

class QPainter;
class QString;

namespace flange {

class FlatPicture {
public:
    // The SVG resource drawn at `widthTwips` × `heightTwips`, or nothing when it cannot be read.
    static std::optional<FlatPicture> load(const QString& resource, int widthTwips,
                                           int heightTwips);

    // Paints the picture into `target`, in the painter's current coordinates.
    void paint(QPainter& painter, const QRectF& target) const;

    struct Shape {
        QPainterPath path;
        QPen pen;
        QBrush brush;
        QTransform transform; // from the shape's coordinates to twips of the picture
        qreal opacity = 1.0;
    };

    struct Text {
        QString text;
        QFont font;           // at the pixel size the renderer lays texts out at
        QPointF baseline;     // in units of the font's pixels
        QTransform transform; // from those units to twips of the picture
        QColor color;
    };

private:
    QSizeF size_; // twips
    std::vector<Shape> shapes_;
    std::vector<Text> texts_;
};

} // namespace flange
