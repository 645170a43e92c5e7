#pragma once

#include <vector>

namespace flange::plate {

// Gauss–Legendre quadrature with n points, exact for polynomials of degree 2n − 1.
class GaussRule {
public:
    explicit GaussRule(int points);

    int size() const { return int(nodes_.size()); }
    double node(int i) const { return nodes_[i]; }     // in [−1, 1]
    double weight(int i) const { return weights_[i]; } // the weights add up to 2

    // Appends the points and weights of the rule mapped onto [lo, hi].
    void appendMapped(double lo, double hi, std::vector<double>& nodes,
                      std::vector<double>& weights) const;

private:
    std::vector<double> nodes_;
    std::vector<double> weights_;
};

} // namespace flange::plate
