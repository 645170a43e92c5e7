#pragma once

// The engineer's own reading drawn over a chart picture: a dot on the α0 curve at the edge ratio
// of the design, dashed lines from it to both axes and the value read beside it. It covers its
// picture, moves with it and lets the mouse through.

#include "assets/chart_axes.h"

#include <QFontMetricsF>
#include <QWidget>

#include <optional>
#include <utility>

namespace flange {

struct ChartReadingValue {
    double lambda = 0.0; // Ly/Lx
    double alpha0 = 0.0;
    QString text; // e.g. "λ＝1.25 → α0≈0.150"
};

class ReadingMark : public QWidget {
    Q_OBJECT
public:
    ReadingMark(const ChartAxes& axes, QWidget* picture);

    // Shows the reading, or hides the mark when there is none or it lies off this chart.
    void setReading(const std::optional<ChartReadingValue>& reading);

    // The mark's dot in twips of the picture, while the mark shows.
    std::optional<QPointF> dotTwips() const;
    QString text() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::pair<QRectF, QString> placeText(QPointF dot, const QFontMetricsF& metrics) const;

    ChartAxes axes_;
    std::optional<QPointF> dot_;
    QString text_;
};

} // namespace flange
