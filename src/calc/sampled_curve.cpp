#include "calc/sampled_curve.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace flange {

namespace {

std::string_view trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

std::vector<std::string_view> cellsOf(std::string_view line)
{
    std::vector<std::string_view> cells;
    for (;;) {
        const auto comma = line.find(',');
        cells.push_back(trimmed(line.substr(0, comma)));
        if (comma == std::string_view::npos)
            return cells;
        line.remove_prefix(comma + 1);
    }
}

std::optional<double> numberIn(std::string_view cell)
{
    double value = 0.0;
    const auto [end, error] = std::from_chars(cell.data(), cell.data() + cell.size(), value);
    if (error != std::errc() || end != cell.data() + cell.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<size_t> columnIndex(const std::vector<std::string_view>& header,
                                  std::string_view name)
{
    const auto it = std::ranges::find(header, name);
    if (it == header.end())
        return std::nullopt;
    return size_t(it - header.begin());
}

} // namespace

SampledCurve::SampledCurve(std::vector<CurvePoint> points) : points_(std::move(points))
{
    std::ranges::stable_sort(points_, {}, &CurvePoint::x);
    // Not std::ranges::unique: its subrange result does not compile with the fuzzers' clang.
    const auto last =
        std::unique(points_.begin(), points_.end(),
                    [](const CurvePoint& a, const CurvePoint& b) { return a.x == b.x; });
    points_.erase(last, points_.end());
}

SampledCurve SampledCurve::fromCsv(std::string_view csv, std::string_view xColumn,
                                   std::string_view yColumn)
{
    std::vector<CurvePoint> points;
    std::optional<size_t> xIndex;
    std::optional<size_t> yIndex;
    bool headerSeen = false;
    while (!csv.empty()) {
        const auto newline = csv.find('\n');
        const std::string_view line = trimmed(csv.substr(0, newline));
        csv.remove_prefix(newline == std::string_view::npos ? csv.size() : newline + 1);
        if (line.empty() || line.front() == '#')
            continue;
        const auto cells = cellsOf(line);
        if (!headerSeen) {
            headerSeen = true;
            xIndex = columnIndex(cells, xColumn);
            yIndex = columnIndex(cells, yColumn);
            if (!xIndex || !yIndex)
                return {};
            continue;
        }
        if (*xIndex >= cells.size() || *yIndex >= cells.size())
            continue;
        const auto x = numberIn(cells[*xIndex]);
        const auto y = numberIn(cells[*yIndex]);
        if (x && y)
            points.push_back({*x, *y});
    }
    return SampledCurve(std::move(points));
}

std::optional<double> SampledCurve::at(double x) const
{
    if (points_.empty() || !(x >= points_.front().x) || !(x <= points_.back().x))
        return std::nullopt;
    const auto upper = std::ranges::lower_bound(points_, x, {}, &CurvePoint::x);
    if (upper->x == x)
        return upper->y;
    const CurvePoint& b = *upper;
    const CurvePoint& a = *(upper - 1);
    return a.y + (b.y - a.y) * (x - a.x) / (b.x - a.x);
}

} // namespace flange
