#include "ui/reference/sunken_pane.h"

#include "ui/reference/figure_area_geometry.h"
#include "ui/reference/twips.h"

namespace flange {

namespace {

const QColor paneColour(0xE0, 0xE0, 0xE0);

} // namespace

SunkenPane::SunkenPane(const QString& name, QWidget* parent)
    : QFrame(parent), inside_(new QWidget(this))
{
    setObjectName(name);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(figure_area::paneBorderPixels);
    QPalette grey = palette();
    grey.setColor(QPalette::Window, paneColour);
    setPalette(grey);
    setAutoFillBackground(true);
    inside_->setGeometry(contentsRect());
}

void SunkenPane::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    inside_->setGeometry(contentsRect());
}

void SunkenPane::setGeometryTwips(const QRect& twips)
{
    setGeometry(pixelRectFromTwips(twips));
}

} // namespace flange
