#pragma once

// A curve known at sample points, read from two columns of a CSV table, and read off between the
// samples by straight-line interpolation. Used for the α0 value the chart shows at an edge ratio.
// Standard library only.

#include <optional>
#include <string_view>
#include <vector>

namespace flange {

struct CurvePoint {
    double x = 0.0;
    double y = 0.0;
};

class SampledCurve {
public:
    SampledCurve() = default;
    // Samples in any order; duplicate x keep the first.
    explicit SampledCurve(std::vector<CurvePoint> points);

    // The columns named xColumn and yColumn of a CSV text whose first line (after blank lines and
    // lines starting with "#") names the columns. Rows whose two cells are not both numbers are
    // skipped; a missing column gives an empty curve.
    static SampledCurve fromCsv(std::string_view csv, std::string_view xColumn,
                                std::string_view yColumn);

    // The value at x, interpolated between the neighbouring samples; nothing outside the sampled
    // range or for an empty curve.
    std::optional<double> at(double x) const;

    bool empty() const { return points_.empty(); }
    const std::vector<CurvePoint>& points() const { return points_; }

private:
    std::vector<CurvePoint> points_; // ascending x
};

} // namespace flange
