#include "ui/reference/reference_panes.h"

#include "ui/common/stored_picture.h"
#include "ui/common/twips.h"
#include "ui/reference/alpha0_pane.h"
#include "ui/reference/chart_reading.h"
#include "ui/reference/figure_area_geometry.h"
#include "ui/reference/reference_figure_page.h"
#include "ui/reference/sunken_pane.h"

#include <QScrollBar>

namespace flange {

namespace fa = figure_area;

namespace {

// Unit captions of reference figure 2, fixed in its pane while the chart scrolls.
constexpr QPoint momentUnitTwips{0, 6060};
constexpr QPoint shearUnitTwips{5310, 6060};

ReferenceFigurePage* makeFigure1(QWidget* parent)
{
    const fa::ScrollMaxima maxima = fa::initialScrollMaxima(twipsPerPixel);
    return new ReferenceFigurePage({"Picture3", "Image18",
                                    QPoint(fa::figure1StartLeftTwips, fa::figure1TopTwips),
                                    "HScroll2", maxima.hScroll2, nullptr, 0},
                                   parent);
}

ReferenceFigurePage* makeFigure2(QWidget* parent)
{
    const fa::ScrollMaxima maxima = fa::initialScrollMaxima(twipsPerPixel);
    auto* page =
        new ReferenceFigurePage({"Picture2", "Image19", QPoint(0, fa::figure2StartTopTwips),
                                 "HScroll1", maxima.hScroll1, "VScroll2", maxima.vScroll2},
                                parent);
    // Made after the chart, so they lie over it.
    QWidget* inside = page->pane()->inside();
    auto* momentUnit = new StoredPicture("Image35", inside);
    momentUnit->placeAt(momentUnitTwips.x(), momentUnitTwips.y());
    auto* shearUnit = new StoredPicture("Image36", inside);
    shearUnit->placeAt(shearUnitTwips.x(), shearUnitTwips.y());
    // They stand under the chart's axes only while it is not scrolled down; elsewhere a pane tall
    // enough to show them would show them as stray fragments below the legend.
    auto* vScroll = page->findChild<QScrollBar*>(QStringLiteral("VScroll2"));
    QObject::connect(vScroll, &QScrollBar::valueChanged, page, [momentUnit, shearUnit](int v) {
        momentUnit->setVisible(v == 0);
        shearUnit->setVisible(v == 0);
    });
    return page;
}

} // namespace

ReferencePanes::ReferencePanes(QWidget* parent)
    : QObject(parent), figure1_(makeFigure1(parent)), figure2_(makeFigure2(parent)),
      alpha0_(new Alpha0Pane(parent)), reading_(new ChartReading(figure2_->figure(), this))
{
    figure1_->hide();
    figure2_->hide();
    alpha0_->hide();
}

ReferencePanes::~ReferencePanes() = default;

QWidget* ReferencePanes::referenceFigure1() const { return figure1_; }

QWidget* ReferencePanes::referenceFigure2() const { return figure2_; }

QWidget* ReferencePanes::alpha0Pane() const { return alpha0_; }

void ReferencePanes::setEdgeRatio(const QString& text) { reading_->setEdgeRatio(text); }

std::optional<int> ReferencePanes::windowWidthTwips(const QWidget* pane) const
{
    if (pane == figure1_ || pane == figure2_)
        return fa::referenceWindowWidthTwips;
    return std::nullopt;
}

} // namespace flange
