#include "ui/reference/chart_reading.h"

#include "calc/alpha0_chart.h"

namespace flange {

ChartReading::ChartReading(QWidget* chart, QObject* parent)
    : QObject(parent), chartMark_(new ReadingMark(referenceFigure2Axes(), chart))
{
}

std::optional<ChartReadingValue> ChartReading::readingOf(const QString& edgeRatio,
                                                         const SampledCurve& alpha0Curve)
{
    const QString shown = edgeRatio.trimmed();
    const auto reading = readAlpha0Chart(shown.toStdString(), alpha0Curve);
    if (!reading)
        return std::nullopt;
    return ChartReadingValue{
        reading->edgeRatio, reading->alpha0,
        QString::fromStdString(chartReadingText(shown.toStdString(), reading->alpha0))};
}

void ChartReading::setEdgeRatio(const QString& text)
{
    reading_ = readingOf(text, storedAlpha0Curve());
    chartMark_->setReading(reading_);
}

} // namespace flange
