#pragma once

// The reading of α0 at the design's edge ratio, marked on reference figure 2 and on the excerpt
// of the α0 pane. The value is read off the computed α0 curve (":/data/plate-coefficients.csv");
// the engineer still types α0 into its field.

#include "ui/reference/reading_mark.h"
#include "ui/reference/sampled_curve.h"

#include <QObject>

namespace flange {

class ChartReading : public QObject {
    Q_OBJECT
public:
    ChartReading(QWidget* chart, QWidget* excerpt, QObject* parent);

    // The edge ratio as the results pane shows it; a text that is not a number within the curve's
    // range removes the marks.
    void setEdgeRatio(const QString& text);

    const std::optional<ChartReadingValue>& reading() const { return reading_; }

    // The reading of an edge ratio text on a curve: nothing for an empty or non-numeric text or a
    // ratio outside the curve.
    static std::optional<ChartReadingValue> readingOf(const QString& edgeRatio,
                                                      const SampledCurve& alpha0Curve);

private:
    SampledCurve curve_;
    ReadingMark* chartMark_;
    ReadingMark* excerptMark_;
    std::optional<ChartReadingValue> reading_;
};

// The α0 curve stored with the program: moment coefficient at the ends of the free edge over
// Ly/Lx. Empty when the data file is missing.
SampledCurve storedAlpha0Curve();

} // namespace flange
