#include "ui/reference/sunken_pane.h"

#include "ui/common/control_factory.h"
#include "ui/common/twips.h"
#include "ui/reference/figure_area_geometry.h"

namespace flange {

SunkenPane::SunkenPane(const QString& name, QWidget* parent)
    : QFrame(parent), inside_(new QWidget(this))
{
    setObjectName(name);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(figure_area::paneBorderPixels);
    setPaneBackground(this);
    inside_->setGeometry(contentsRect());
}

void SunkenPane::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    inside_->setGeometry(contentsRect());
}

void SunkenPane::setGeometryTwips(const QRect& twips) { setGeometry(twipsRect(twips)); }

} // namespace flange
