#include "ui/main/hint_mark.h"

#include "ui/common/gothic_font.h"

#include <QPainter>

namespace flange {

namespace {

const QColor discColour(0xE0, 0x70, 0x00);

} // namespace

HintMark::HintMark(QWidget* parent) : QWidget(parent)
{
    setFixedSize(side, side);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void HintMark::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(discColour);
    painter.drawEllipse(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    QFont font = gothicFont();
    font.setBold(true);
    font.setPixelSize(side - 2);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(rect(), Qt::AlignCenter, QStringLiteral("!"));
}

} // namespace flange
