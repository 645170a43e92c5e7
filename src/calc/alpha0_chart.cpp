#include "calc/alpha0_chart.h"

#include "calc/number_text.h"
#include "calc/plate_coefficients.h"

namespace flange {

const SampledCurve& storedAlpha0Curve()
{
    static const SampledCurve curve =
        SampledCurve::fromCsv(plateCoefficientsCsv(), "lambda", "M_free_end");
    return curve;
}

std::string chartAlpha0Text(double alpha0)
{
    const auto rounded = roundToPattern(alpha0, NumberPattern::ThreeDecimals);
    return rounded ? rounded->text : std::string();
}

std::string chartReadingText(std::string_view shownEdgeRatio, double alpha0)
{
    return "λ＝" + std::string(shownEdgeRatio) + " → α0≈" + chartAlpha0Text(alpha0);
}

std::optional<Alpha0Reading> readAlpha0Chart(std::string_view edgeRatioText,
                                             const SampledCurve& curve)
{
    const auto ratio = parseNumber(edgeRatioText);
    if (!ratio)
        return std::nullopt;
    const auto alpha0 = curve.at(*ratio);
    if (!alpha0)
        return std::nullopt;
    return Alpha0Reading{*ratio, *alpha0};
}

} // namespace flange
