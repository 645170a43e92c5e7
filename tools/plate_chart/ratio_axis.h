#pragma once

#include <string>
#include <vector>

namespace flange::chart {

// The horizontal axis of the α0 chart: the side ratio read in two halves. Left of the middle it
// is Lx/Ly, falling from 2.0 to 1.0 (panels whose free edge is the shorter side), right of it
// Ly/Lx, rising from 1.0; both halves are linear in their own ratio with marks every 0.5. The
// axis position u counts those half-steps from the middle, so with λ = Ly/Lx
//     u = 2(λ − 1) for λ ≥ 1,   u = −2(1/λ − 1) for λ < 1,
// which joins the halves smoothly at λ = 1.
class RatioAxis {
public:
    struct Mark {
        double position;   // u
        std::string label; // "2.0", "1.5", "1.0", "1.5", …
        bool major;        // a 0.5 step (else a 0.1 step)
    };

    // The axis from Lx/Ly = leftRatio (≥ 1) on the left to Ly/Lx = rightRatio on the right.
    RatioAxis(double leftRatio, double rightRatio);

    double position(double lambda) const;
    double lambdaAt(double position) const;
    double leftEnd() const { return position(1.0 / leftRatio_); }
    double rightEnd() const { return position(rightRatio_); }
    // Marks every 0.1 of the ratio, the 0.5 steps major and labelled.
    std::vector<Mark> marks() const;

private:
    double leftRatio_;
    double rightRatio_;
};

} // namespace flange::chart
