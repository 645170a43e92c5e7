#pragma once

namespace flange::plate {

// A thin (Kirchhoff) rectangular plate panel under a uniform load. Lengths are in units of the side
// length Lx, so the panel is [0, 1] × [0, λ]: x runs across, from the clamped edge x = 0 to the
// edge x = 1, y runs along, between the clamped side edges y = 0 and y = λ. With the load, the
// flexural rigidity and Lx all 1, deflections come out in w·Lx⁴/D, moments in w·Lx² and edge
// reactions in w·Lx.
struct PlateProblem {
    double aspect = 1.0;  // λ = Ly / Lx, the length of the edge x = 1 over the side length
    double poisson = 0.0; // ν
    bool freeEdge = true; // the edge x = 1 is free; false clamps it as well
};

// How many deflection shapes the series uses in each direction.
struct SeriesSize {
    int across = 0; // shapes in x
    int along = 0;  // symmetric shapes in y

    // The size used at a given order: `order` shapes per unit length across (more when the
    // panel is narrower than it is deep) and a matching number along.
    static SeriesSize forOrder(int order, double aspect);
};

} // namespace flange::plate
