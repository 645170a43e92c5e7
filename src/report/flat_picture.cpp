#include "report/flat_picture.h"

#include "report/svg_text_split.h"

#include <QFile>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QSvgRenderer>

#include <climits>

namespace flange {

namespace {

constexpr int twipsPerInch = 1440;

// Takes down what a painter paints as shapes; text arrives as glyph paths through QPaintEngine's
// own text drawing, rectangles, lines and ellipses through its conversions to paths and polygons.
class ShapeRecorder final : public QPaintEngine {
public:
    explicit ShapeRecorder(std::vector<FlatPicture::Shape>& shapes)
        : QPaintEngine(QPaintEngine::AllFeatures), shapes_(shapes)
    {
    }

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return User; }

    void updateState(const QPaintEngineState& state) override
    {
        if (state.state() & DirtyTransform)
            transform_ = state.transform();
        if (state.state() & DirtyPen)
            pen_ = state.pen();
        if (state.state() & DirtyBrush)
            brush_ = state.brush();
        if (state.state() & DirtyOpacity)
            opacity_ = state.opacity();
    }

    void drawPath(const QPainterPath& path) override { add(path, brush_); }

    void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override
    {
        QPainterPath path;
        path.addPolygon(QPolygonF(QList<QPointF>(points, points + count)));
        if (mode == PolylineMode) {
            add(path, Qt::NoBrush);
            return;
        }
        path.closeSubpath();
        path.setFillRule(mode == WindingMode ? Qt::WindingFill : Qt::OddEvenFill);
        add(path, brush_);
    }

    // The stored drawings hold no raster images.
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}

private:
    void add(const QPainterPath& path, const QBrush& brush)
    {
        // A pen without a brush paints nothing; leave it out rather than let it be stroked.
        const QPen pen = pen_.brush().style() == Qt::NoBrush ? QPen(Qt::NoPen) : pen_;
        if (pen.style() == Qt::NoPen && brush.style() == Qt::NoBrush)
            return;
        shapes_.push_back({path, pen, brush, transform_, opacity_});
    }

    std::vector<FlatPicture::Shape>& shapes_;
    QTransform transform_;
    QPen pen_;
    QBrush brush_;
    qreal opacity_ = 1.0;
};

// A canvas one twip to the unit on which the recorder stands.
class RecordingCanvas final : public QPaintDevice {
public:
    RecordingCanvas(std::vector<FlatPicture::Shape>& shapes, QSize size)
        : engine_(shapes), size_(size)
    {
    }
    QPaintEngine* paintEngine() const override { return &engine_; }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth: return size_.width();
        case PdmHeight: return size_.height();
        case PdmWidthMM: return size_.width() * 254 / (twipsPerInch * 10);
        case PdmHeightMM: return size_.height() * 254 / (twipsPerInch * 10);
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY: return twipsPerInch;
        case PdmDepth: return 32;
        case PdmNumColors: return INT_MAX;
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return int(devicePixelRatioFScale());
        }
        return 0;
    }

private:
    mutable ShapeRecorder engine_;
    QSize size_;
};

// A lifted text as the renderer would have set it: laid out at a font of 100 pixels, scaled
// down to its size, and moved left by its width (or half of it) when anchored at its end (or
// middle).
FlatPicture::Text placedText(const SvgText& svgText, const QTransform& userToPicture)
{
    QFont font;
    font.setFamilies({svgText.family});
    font.setPointSizeF(svgText.size);
    const qreal scale = 100.0 / font.pointSizeF();
    font.setPixelSize(int(font.pointSizeF() * scale));
    font.setItalic(svgText.italic);
    font.setBold(svgText.bold);
    QPointF baseline = svgText.baseline * scale;
    const qreal width = QFontMetricsF(font).horizontalAdvance(svgText.text);
    if (svgText.anchor == Qt::AlignHCenter)
        baseline.rx() -= width / 2;
    else if (svgText.anchor == Qt::AlignRight)
        baseline.rx() -= width;
    return {svgText.text, font, baseline,
            QTransform::fromScale(1 / scale, 1 / scale) * userToPicture, svgText.fill};
}

// Whether `next` can join the path of `shape` and be painted with it in one go, looking the same:
// drawn alike with a solid colour and no transparency, and either only stroked with a solid line
// or filled without touching what the path holds already (where filled areas overlap, the
// winding of one could cut a hole in the other).
bool paintedAlike(const FlatPicture::Shape& shape, const FlatPicture::Shape& next)
{
    if (shape.pen != next.pen || shape.brush != next.brush || shape.transform != next.transform
        || shape.opacity != 1.0 || next.opacity != 1.0
        || shape.path.fillRule() != next.path.fillRule())
        return false;
    const bool solidPen =
        shape.pen.style() == Qt::NoPen
        || (shape.pen.style() == Qt::SolidLine && shape.pen.brush().style() == Qt::SolidPattern
            && shape.pen.color().alpha() == 255);
    if (!solidPen)
        return false;
    if (shape.brush.style() == Qt::NoBrush)
        return true;
    return shape.brush.style() == Qt::SolidPattern && shape.brush.color().alpha() == 255
           && !shape.path.controlPointRect().intersects(next.path.controlPointRect());
}

// Consecutive shapes painted alike become one: each shape costs the printed page a change of
// state (transform, colour, line style) besides its path.
void joinAlike(std::vector<FlatPicture::Shape>& shapes)
{
    std::vector<FlatPicture::Shape> joined;
    for (FlatPicture::Shape& shape : shapes) {
        if (!joined.empty() && paintedAlike(joined.back(), shape))
            joined.back().path.addPath(shape.path);
        else
            joined.push_back(std::move(shape));
    }
    shapes = std::move(joined);
}

} // namespace

std::optional<FlatPicture> FlatPicture::load(const QString& resource, int widthTwips,
                                             int heightTwips)
{
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray svg = file.readAll();
    auto split = splitSvgTexts(svg);
    if (!split)
        split = SvgTextSplit{svg, {}}; // let the renderer judge the document
    QSvgRenderer renderer(split->rest);
    if (!renderer.isValid())
        return std::nullopt;

    FlatPicture picture;
    picture.size_ = QSizeF(widthTwips, heightTwips);
    RecordingCanvas canvas(picture.shapes_, QSize(widthTwips, heightTwips));
    QPainter painter(&canvas);
    renderer.render(&painter, QRectF(QPointF(0, 0), picture.size_));
    joinAlike(picture.shapes_);

    const QRectF viewBox = renderer.viewBoxF();
    const QTransform userToPicture =
        QTransform::fromTranslate(-viewBox.x(), -viewBox.y())
        * QTransform::fromScale(widthTwips / viewBox.width(), heightTwips / viewBox.height());
    for (const SvgText& text : split->texts)
        if (text.fill.alpha() > 0)
            picture.texts_.push_back(placedText(text, userToPicture));
    return picture;
}

void FlatPicture::paint(QPainter& painter, const QRectF& target) const
{
    const QTransform toTarget =
        QTransform::fromScale(target.width() / size_.width(), target.height() / size_.height())
        * QTransform::fromTranslate(target.x(), target.y()) * painter.transform();
    painter.save();
    for (const Shape& shape : shapes_) {
        painter.setTransform(shape.transform * toTarget);
        painter.setPen(shape.pen);
        painter.setBrush(shape.brush);
        painter.setOpacity(shape.opacity);
        painter.drawPath(shape.path);
    }
    painter.setOpacity(1.0);
    painter.setBrush(Qt::NoBrush);
    for (const Text& text : texts_) {
        painter.setTransform(text.transform * toTarget);
        painter.setPen(text.color);
        painter.setFont(text.font);
        painter.drawText(text.baseline, text.text);
    }
    painter.restore();
}

} // namespace flange
