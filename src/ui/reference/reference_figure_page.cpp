#include "ui/reference/reference_figure_page.h"

#include "ui/common/stored_picture.h"
#include "ui/common/twips.h"
#include "ui/reference/figure_area_geometry.h"
#include "ui/reference/sunken_pane.h"

#include <QResizeEvent>
#include <QScrollBar>

namespace flange {

namespace fa = figure_area;

namespace {

QScrollBar* makeScrollBar(const char* name, Qt::Orientation orientation, int maximum,
                          QWidget* parent)
{
    auto* bar = new QScrollBar(orientation, parent);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setRange(0, std::max(maximum, 0));
    bar->setValue(0);
    bar->setSingleStep(1);
    bar->setPageStep(1);
    // The figure follows a new value, not the thumb while it is dragged.
    bar->setTracking(false);
    return bar;
}

} // namespace

ReferenceFigurePage::ReferenceFigurePage(const Setup& setup, QWidget* parent)
    : QWidget(parent), pane_(new SunkenPane(QString::fromLatin1(setup.pane), this)),
      figure_(new StoredPicture(setup.picture, pane_->inside())),
      hScroll_(makeScrollBar(setup.hScroll, Qt::Horizontal, setup.hScrollMaximum, this))
{
    figure_->placeAt(setup.startTwips.x(), setup.startTwips.y());
    connect(hScroll_, &QScrollBar::valueChanged, this,
            [this](int v) { figure_->move(twipsToPixels(fa::figureLeftTwips(v)), figure_->y()); });
    if (setup.vScroll) {
        vScroll_ = makeScrollBar(setup.vScroll, Qt::Vertical, setup.vScrollMaximum, this);
        const int startTop = setup.startTwips.y();
        connect(vScroll_, &QScrollBar::valueChanged, this, [this, startTop](int v) {
            figure_->move(figure_->x(), twipsToPixels(fa::figureTopTwips(startTop, v)));
        });
    }
}

void ReferenceFigurePage::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const QSize area = pixelsToTwips(event->size());
    const fa::FigureLayout layout =
        vScroll_ ? fa::layoutReferenceFigure2(area) : fa::layoutReferenceFigure1(area);
    pane_->setGeometryTwips(layout.pane);
    hScroll_->setGeometry(twipsRect(layout.hScroll));
    if (vScroll_)
        vScroll_->setGeometry(twipsRect(layout.vScroll));
}

} // namespace flange
