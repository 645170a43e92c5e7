#pragma once

#include "plate_solver/plate_coefficients.h"

#include <iosfwd>
#include <vector>

namespace flange::plate {

// Runs the panel at a rising series of orders and reports how each coefficient settles, with a
// limit extrapolated from the last three orders.
class ConvergenceStudy {
public:
    struct Estimate {
        double value = 0.0; // the extrapolated limit, or the last value
        double error = 0.0; // |limit − last value|, or the last change when not extrapolated
        bool extrapolated = false;
        int lastOrder = 0; // the highest order the estimate used
    };

    // Orders must rise; at least three are needed to extrapolate.
    explicit ConvergenceStudy(std::vector<int> orders);

    // Limit of values v(p) at the given orders, assuming v(p) = v∞ + C·p^−r from the last three:
    // r from the ratio of the last two changes, then v∞. When the changes do not shrink with one
    // sign (not yet, or no longer, in the asymptotic range), the last value stands with the last
    // change as its error.
    static Estimate extrapolate(const std::vector<int>& orders, const std::vector<double>& values);

    // The same from the latest three consecutive orders that do show shrinking changes of one sign
    // (at high orders rounding, not truncation, can set the last digits), or the plain last value.
    static Estimate settle(const std::vector<int>& orders, const std::vector<double>& values);

    // Solves every λ at every order and prints Markdown tables: the moment at the ends of the free
    // edge per order with its settled limit, then every coefficient at the highest order with the
    // distance to its settled limit.
    void report(const std::vector<double>& aspects, std::ostream& out) const;

private:
    std::vector<int> orders_;
};

} // namespace flange::plate
