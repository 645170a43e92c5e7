#include "ui/reference/reading_mark.h"

#include "ui/reference/twips.h"

#include <QPainter>

namespace flange {

namespace {

const QColor markColour(0xD0, 0x00, 0x00);
constexpr double dotRadiusTwips = 45.0;
constexpr double textGapTwips = 90.0;
constexpr double textPaddingTwips = 30.0;

QFont markFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("IPAGothic")});
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

std::optional<QPointF> ReadingMark::dotTwips() const
{
    return dot_;
}

QString ReadingMark::text() const
{
    return text_;
}

void ReadingMark::paintEvent(QPaintEvent*)
{
    if (!dot_)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const double scale = 1.0 / twipsPerScreenPixel;
    const QPointF dot = *dot_ * scale;

    painter.setPen(QPen(markColour, 1.0, Qt::DashLine));
    painter.drawLine(dot, QPointF(dot.x(), axes_.yZero * scale));
    painter.drawLine(dot, QPointF(axes_.xLeftEnd * scale, dot.y()));
    painter.setPen(Qt::NoPen);
    painter.setBrush(markColour);
    painter.drawEllipse(dot, dotRadiusTwips * scale, dotRadiusTwips * scale);

    // The value beside the dot, above and to the right, or to the left near the right edge.
    painter.setFont(markFont());
    const QFontMetricsF metrics(painter.font());
    const double padding = textPaddingTwips * scale;
    QRectF box(0, 0, metrics.horizontalAdvance(text_) + 2 * padding, metrics.height() + padding);
    box.moveBottomLeft(dot + QPointF(textGapTwips * scale, -textGapTwips * scale));
    if (box.right() > width())
        box.moveRight(dot.x() - textGapTwips * scale);
    painter.setBrush(QColor(255, 255, 255, 230));
    painter.setPen(QPen(markColour, 1.0));
    painter.drawRect(box);
    painter.drawText(box, Qt::AlignCenter, text_);
}

} // namespace flange
