#include "ui/reference/reading_mark.h"

#include "ui/common/gothic_font.h"
#include "ui/common/twips.h"

#include <QPainter>

namespace flange {

namespace {

const QColor markColour(0xD0, 0x00, 0x00);
constexpr double dotRadiusTwips = 45.0;
constexpr double textGapTwips = 90.0;
constexpr double textPaddingTwips = 30.0;

QFont markFont()
{
    QFont font = gothicFont();
    font.setPixelSize(12);
    return font;
}

} // namespace

ReadingMark::ReadingMark(const ChartAxes& axes, QWidget* picture) : QWidget(picture), axes_(axes)
{
    setObjectName(picture->objectName() + QStringLiteral("Reading"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(picture->rect());
    hide();
}

void ReadingMark::setReading(const std::optional<ChartReadingValue>& reading)
{
    dot_.reset();
    text_.clear();
    if (reading)
        dot_ = axes_.pointAt(reading->lambda, reading->alpha0);
    if (dot_)
        text_ = reading->text;
    setGeometry(parentWidget()->rect());
    setVisible(dot_.has_value());
    update();
}

std::optional<QPointF> ReadingMark::dotTwips() const { return dot_; }

QString ReadingMark::text() const { return text_; }

void ReadingMark::paintEvent(QPaintEvent*)
{
    if (!dot_)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const double scale = 1.0 / twipsPerPixel;
    const QPointF dot = *dot_ * scale;

    painter.setPen(QPen(markColour, 1.0, Qt::DashLine));
    painter.drawLine(dot, QPointF(dot.x(), axes_.yZero * scale));
    painter.drawLine(dot, QPointF(axes_.xLeftEnd * scale, dot.y()));
    painter.setPen(Qt::NoPen);
    painter.setBrush(markColour);
    painter.drawEllipse(dot, dotRadiusTwips * scale, dotRadiusTwips * scale);

    painter.setFont(markFont());
    const auto [box, text] = placeText(dot, QFontMetricsF(painter.font()));
    painter.setBrush(QColor(255, 255, 255, 230));
    painter.setPen(QPen(markColour, 1.0));
    painter.drawRect(box);
    painter.drawText(box, Qt::AlignCenter, text);
}

// The value beside the dot, clear of the rising α0 curve and inside the plot frame: on one line
// above and to the right; where that would pass the frame's right edge, on two lines below and to
// the right, or else above and to the left.
std::pair<QRectF, QString> ReadingMark::placeText(QPointF dot, const QFontMetricsF& metrics) const
{
    const double scale = 1.0 / twipsPerPixel;
    const double gap = textGapTwips * scale;
    const double padding = textPaddingTwips * scale;
    const double right = axes_.xRightEnd * scale;
    const auto boxFor = [&](const QString& text) {
        const QRectF bounds = metrics.boundingRect(QRectF(), Qt::AlignCenter, text);
        return QRectF(0, 0, bounds.width() + 2 * padding, bounds.height() + padding);
    };

    QRectF box = boxFor(text_);
    box.moveBottomLeft(dot + QPointF(gap, -gap));
    if (box.right() <= right)
        return {box, text_};
    QString twoLines = text_;
    twoLines.replace(QStringLiteral("→ "), QStringLiteral("→\n"));
    box = boxFor(twoLines);
    box.moveTopLeft(dot + QPointF(gap, gap));
    if (box.right() > right)
        box.moveBottomRight(dot - QPointF(gap, gap));
    return {box, twoLines};
}

} // namespace flange
