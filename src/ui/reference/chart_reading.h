#pragma once

// The reading of α0 at the design's edge ratio, marked on reference figure 2. The value is read
// off the computed α0 curve (calc/alpha0_chart.h); the engineer still types α0 into its field.
// The α0 pane keeps only its own sample reading, which a second mark would confuse.

#include "calc/sampled_curve.h"
#include "ui/reference/reading_mark.h"

#include <QObject>

namespace flange {

class ChartReading : public QObject {
    Q_OBJECT
public:
    ChartReading(QWidget* chart, QObject* parent);

    // The edge ratio as the results pane shows it; a text that is not a number within the curve's
    // range removes the mark.
    void setEdgeRatio(const QString& text);

    const std::optional<ChartReadingValue>& reading() const { return reading_; }

    // The reading of an edge ratio text on a curve: nothing for an empty or non-numeric text or a
    // ratio outside the curve.
    static std::optional<ChartReadingValue> readingOf(const QString& edgeRatio,
                                                      const SampledCurve& alpha0Curve);

private:
    ReadingMark* chartMark_;
    std::optional<ChartReadingValue> reading_;
};

} // namespace flange
