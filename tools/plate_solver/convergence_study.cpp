#include "plate_solver/convergence_study.h"

#include <cmath>
#include <cstdio>
#include <ostream>
#include <string>

namespace flange::plate {

namespace {

std::string format(const char* pattern, double value)
{
    char text[40];
    std::snprintf(text, sizeof text, pattern, value);
    return text;
}

} // namespace

ConvergenceStudy::ConvergenceStudy(std::vector<int> orders) : orders_(std::move(orders)) {}

ConvergenceStudy::Estimate ConvergenceStudy::extrapolate(const std::vector<int>& orders,
                                                         const std::vector<double>& values)
{
    const std::size_t n = values.size();
    if (n == 0)
        return {};
    if (n < 3)
        return {values.back(), n == 2 ? std::abs(values[1] - values[0]) : 0.0, false,
                orders[n - 1]};
    const double p1 = orders[n - 3], p2 = orders[n - 2], p3 = orders[n - 1];
    const double d1 = values[n - 2] - values[n - 3], d2 = values[n - 1] - values[n - 2];
    const Estimate plain{values.back(), std::abs(d2), false, orders[n - 1]};
    if (d2 == 0.0)
        return plain;
    if (d1 * d2 <= 0.0 || std::abs(d2) >= std::abs(d1))
        return plain;
    // (p1^−r − p2^−r) / (p2^−r − p3^−r) rises with r; find r where it equals d1/d2.
    auto ratio = [&](double r) {
        return (std::pow(p1, -r) - std::pow(p2, -r)) / (std::pow(p2, -r) - std::pow(p3, -r));
    };
    const double target = d1 / d2;
    double lo = 0.05, hi = 40.0;
    if (ratio(lo) > target || ratio(hi) < target)
        return plain;
    for (int i = 0; i < 100; ++i) {
        const double mid = 0.5 * (lo + hi);
        (ratio(mid) < target ? lo : hi) = mid;
    }
    const double r = 0.5 * (lo + hi);
    const double limit =
        values.back() + d2 * std::pow(p3, -r) / (std::pow(p2, -r) - std::pow(p3, -r));
    return {limit, std::abs(limit - values.back()), true, orders[n - 1]};
}

ConvergenceStudy::Estimate ConvergenceStudy::settle(const std::vector<int>& orders,
                                                    const std::vector<double>& values)
{
    for (std::size_t end = values.size(); end >= 3; --end) {
        const std::vector<int> o(orders.begin(), orders.begin() + end);
        const std::vector<double> v(values.begin(), values.begin() + end);
        Estimate e = extrapolate(o, v);
        if (e.extrapolated) {
            e.error = std::abs(e.value - values.back());
            return e;
        }
    }
    return extrapolate(orders, values);
}

void ConvergenceStudy::report(const std::vector<double>& aspects, std::ostream& out) const
{
    std::vector<std::vector<PlateCoefficients>> runs;
    for (double lambda : aspects) {
        runs.emplace_back();
        for (int order : orders_)
            runs.back().push_back(solveCoefficients(lambda, order));
    }

    out << "Moment at the ends of the free edge (α0), in w·Lx², by series order p:\n\n| λ |";
    for (int order : orders_)
        out << " p = " << order << " |";
    out << " limit | from p ≤ | p = " << orders_.back() << " − limit |\n|---|";
    for (std::size_t i = 0; i < orders_.size(); ++i)
        out << "---|";
    out << "---|---|---|\n";
    for (std::size_t a = 0; a < aspects.size(); ++a) {
        std::vector<double> values;
        out << "| " << format("%.2f", aspects[a]) << " |";
        for (const auto& c : runs[a]) {
            values.push_back(c.freeEdgeEnd);
            out << ' ' << format("%.7f", c.freeEdgeEnd) << " |";
        }
        const Estimate e = settle(orders_, values);
        out << ' ' << format("%.7f", e.value) << " | " << (e.extrapolated ? "" : "(none) ")
            << e.lastOrder << " | " << format("%.1e", values.back() - e.value) << " |\n";
    }

    out << "\nAll coefficients at p = " << orders_.back()
        << " (moments in w·Lx², reactions in w·Lx, deflection in w·Lx⁴/D); in brackets the "
           "distance to the settled limit:\n\n| λ |";
    for (const auto& column : coefficientColumns)
        out << ' ' << column.name << " |";
    out << "\n|---|";
    for (std::size_t i = 0; i < coefficientColumns.size(); ++i)
        out << "---|";
    out << '\n';
    for (std::size_t a = 0; a < aspects.size(); ++a) {
        out << "| " << format("%.2f", aspects[a]) << " |";
        for (const auto& column : coefficientColumns) {
            std::vector<double> values;
            for (const auto& c : runs[a])
                values.push_back(c.*column.field);
            const Estimate e = settle(orders_, values);
            out << ' ' << format("%.6g", values.back()) << " (" << format("%.0e", e.error) << ") |";
        }
        out << '\n';
    }
}

} // namespace flange::plate
