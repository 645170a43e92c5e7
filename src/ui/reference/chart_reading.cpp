#include "ui/reference/chart_reading.h"

#include "calc/number_text.h"

#include <QFile>

namespace flange {

namespace {

const QString curveResource = QStringLiteral(":/data/plate-coefficients.csv");
constexpr std::string_view ratioColumn = "lambda";
constexpr std::string_view alpha0Column = "M_free_end";

} // namespace

SampledCurve storedAlpha0Curve()
{
    QFile file(curveResource);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray csv = file.readAll();
    return SampledCurve::fromCsv(std::string_view(csv.constData(), size_t(csv.size())), ratioColumn,
                                 alpha0Column);
}

ChartReading::ChartReading(QWidget* chart, QWidget* excerpt, QObject* parent)
    : QObject(parent), curve_(storedAlpha0Curve()),
      chartMark_(new ReadingMark(referenceFigure2Axes(), chart)),
      excerptMark_(new ReadingMark(alpha0ExcerptAxes(), excerpt))
{
}

std::optional<ChartReadingValue> ChartReading::readingOf(const QString& edgeRatio,
                                                         const SampledCurve& alpha0Curve)
{
    const QString shown = edgeRatio.trimmed();
    const auto lambda = parseNumber(shown.toStdString());
    if (!lambda)
        return std::nullopt;
    const auto alpha0 = alpha0Curve.at(*lambda);
    if (!alpha0)
        return std::nullopt;
    const QString text = QStringLiteral("λ＝%1 → α0≈%2").arg(shown).arg(*alpha0, 0, 'f', 3);
    return ChartReadingValue{*lambda, *alpha0, text};
}

void ChartReading::setEdgeRatio(const QString& text)
{
    reading_ = readingOf(text, curve_);
    chartMark_->setReading(reading_);
    excerptMark_->setReading(reading_);
}

} // namespace flange
