#pragma once

#include "plate_solver/plate_solution.h"

#include <array>
#include <string_view>

namespace flange::plate {

// The coefficients of a panel clamped on three edges and free on the fourth that the α0 chart
// plots, with the load w, the side length Lx and D all 1: moments in w·Lx², reactions in w·Lx,
// the deflection in w·Lx⁴/D. Moments at clamped edges (hogging) are given as magnitudes.
struct PlateCoefficients {
    double aspect = 0.0;         // λ = Ly / Lx
    double freeEdgeEnd = 0.0;    // moment along the free edge at its ends, where it meets the
                                 // clamped side edges: α0
    double freeEdgeMiddle = 0.0; // moment along the free edge at its middle (sagging)
    double oppositeEdgeMiddle =
        0.0;                      // moment at the middle of the clamped edge opposite the free edge
    double sideEdgeMiddle = 0.0;  // moment at the middle of a clamped side edge
    double sideEdgeLargest = 0.0; // largest moment along a clamped side edge
    double oppositeReaction = 0.0;   // edge reaction at the middle of the opposite edge
    double sideReaction = 0.0;       // edge reaction at the middle of a side edge
    double freeEdgeDeflection = 0.0; // deflection at the middle of the free edge
};

// The coefficients read off a solved panel (clamped on three edges, free at x = 1).
PlateCoefficients measureCoefficients(const PlateSolution& solution);

// Solves the panel of aspect ratio λ (ν = 0) at the given series order and measures it.
PlateCoefficients solveCoefficients(double aspect, int order);

// The named columns of the coefficient table, in file order after "lambda".
struct CoefficientColumn {
    std::string_view name;
    double PlateCoefficients::*field;
};
inline constexpr std::array<CoefficientColumn, 8> coefficientColumns{{
    {"M_free_end", &PlateCoefficients::freeEdgeEnd},
    {"M_free_mid", &PlateCoefficients::freeEdgeMiddle},
    {"M_opposite_mid", &PlateCoefficients::oppositeEdgeMiddle},
    {"M_side_mid", &PlateCoefficients::sideEdgeMiddle},
    {"M_side_max", &PlateCoefficients::sideEdgeLargest},
    {"V_opposite_mid", &PlateCoefficients::oppositeReaction},
    {"V_side_mid", &PlateCoefficients::sideReaction},
    {"w_free_mid", &PlateCoefficients::freeEdgeDeflection},
}};

} // namespace flange::plate
