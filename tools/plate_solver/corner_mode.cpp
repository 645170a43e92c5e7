#include "plate_solver/corner_mode.h"

#include <cmath>
#include <complex>
#include <numbers>

namespace flange::plate {

namespace {

using Row = std::array<double, 4>;

// Derivatives 0..3 at θ of the four angular functions cos sθ, sin sθ, cos (s−2)θ, sin (s−2)θ:
// result[order][function].
std::array<Row, 4> angularBasis(double s, double theta)
{
    std::array<Row, 4> d{};
    const double ks[2] = {s, s - 2.0};
    for (int f = 0; f < 2; ++f) {
        const double k = ks[f];
        const double c = std::cos(k * theta), sn = std::sin(k * theta);
        d[0][2 * f] = c, d[1][2 * f] = -k * sn, d[2][2 * f] = -k * k * c,
                 d[3][2 * f] = k * k * k * sn;
        d[0][2 * f + 1] = sn, d[1][2 * f + 1] = k * c, d[2][2 * f + 1] = -k * k * sn;
        d[3][2 * f + 1] = -k * k * k * c;
    }
    return d;
}

// The four edge conditions on the coefficients (A, B, C, D) of F: zero deflection and slope at
// θ = 0, zero bending moment and zero edge reaction at θ = π/2.
std::array<Row, 4> edgeConditions(double s, double nu)
{
    const auto at0 = angularBasis(s, 0.0);
    const auto at90 = angularBasis(s, std::numbers::pi / 2);
    std::array<Row, 4> m{};
    for (int j = 0; j < 4; ++j) {
        m[0][j] = at0[0][j];
        m[1][j] = at0[1][j];
        m[2][j] = at90[2][j] + (s + nu * s * (s - 1)) * at90[0][j];
        m[3][j] = at90[3][j] + (s * s + (1 - nu) * (s - 1) * (s - 2)) * at90[1][j];
    }
    return m;
}

double determinant(std::array<Row, 4> m)
{
    double det = 1.0;
    for (int c = 0; c < 4; ++c) {
        int pivot = c;
        for (int r = c + 1; r < 4; ++r)
            if (std::abs(m[r][c]) > std::abs(m[pivot][c]))
                pivot = r;
        if (m[pivot][c] == 0.0)
            return 0.0;
        if (pivot != c) {
            std::swap(m[pivot], m[c]);
            det = -det;
        }
        det *= m[c][c];
        for (int r = c + 1; r < 4; ++r) {
            const double f = m[r][c] / m[c][c];
            for (int k = c; k < 4; ++k)
                m[r][k] -= f * m[c][k];
        }
    }
    return det;
}

} // namespace

CornerMode::CornerMode(double exponent, double a, double b, double c, double d)
    : s_(exponent), a_(a), b_(b), c_(c), d_(d)
{
}

std::optional<CornerMode> CornerMode::find(double poisson)
{
    // The determinant has a double root at s = 2 (the polynomial term b², no sign change) and a
    // root at s = 3 (the polynomial b³); the mode sought is the sign change strictly between.
    auto det = [poisson](double s) { return determinant(edgeConditions(s, poisson)); };
    const int steps = 200;
    double lo = 0, hi = 0;
    bool found = false;
    for (int i = 1; i < steps - 1 && !found; ++i) {
        const double s0 = 2.0 + double(i) / steps, s1 = 2.0 + double(i + 1) / steps;
        if ((det(s0) < 0) != (det(s1) < 0)) {
            lo = s0, hi = s1, found = true;
        }
    }
    if (!found)
        return std::nullopt;
    const bool loNegative = det(lo) < 0;
    for (int i = 0; i < 200 && hi - lo > 1e-15; ++i) {
        const double mid = 0.5 * (lo + hi);
        ((det(mid) < 0) == loNegative ? lo : hi) = mid;
    }
    const double s = 0.5 * (lo + hi);
    // Clamped edge: C = −A and (s − 2) D = −s B. The moment condition then fixes A : B.
    const auto m = edgeConditions(s, poisson);
    const double q = s / (s - 2.0);
    double a = m[2][1] - q * m[2][3];
    double b = -(m[2][0] - m[2][2]);
    // Scale so that F''(0) = 4A(1 − s) = 1.
    const double scale = 1.0 / (4.0 * a * (1.0 - s));
    a *= scale;
    b *= scale;
    return CornerMode(s, a, b, -a, -q * b);
}

std::array<double, 4> CornerMode::angular(double theta) const
{
    const auto basis = angularBasis(s_, theta);
    std::array<double, 4> f{};
    for (int order = 0; order < 4; ++order)
        f[order] = a_ * basis[order][0] + b_ * basis[order][1] + c_ * basis[order][2]
                   + d_ * basis[order][3];
    return f;
}

DerivativeTable CornerMode::derivatives(double a, double b) const
{
    DerivativeTable t{};
    if (a == 0.0 && b == 0.0) {
        for (int m = 0; m <= 3; ++m)
            t[m][3 - m] = std::nan("");
        return t;
    }
    // u = Re(α z^s) + |z|² Re(β z^(s−2)) with z = a + ib, α = A − iB, β = C − iD; a derivative
    // ∂a^m ∂b^n of an analytic function of z is i^n times its (m + n)-th derivative.
    using Complex = std::complex<double>;
    const Complex z(a, b);
    const Complex alpha(a_, -b_), beta(c_, -d_);
    // Powers z^(s−k) for k = 0..5, from one call of pow.
    std::array<Complex, 6> power;
    power[5] = std::pow(z, s_ - 5.0);
    for (int k = 4; k >= 0; --k)
        power[k] = power[k + 1] * z;
    auto f = [&](int k) { // k-th derivative of α z^s
        double c = 1.0;
        for (int i = 0; i < k; ++i)
            c *= s_ - i;
        return alpha * c * power[k];
    };
    auto g = [&](int k) { // k-th derivative of β z^(s−2)
        double c = 1.0;
        for (int i = 0; i < k; ++i)
            c *= s_ - 2.0 - i;
        return beta * c * power[k + 2];
    };
    const Complex iPow[4] = {1.0, Complex(0, 1), -1.0, Complex(0, -1)};
    // Derivatives of ρ = a² + b² that are not zero.
    struct RhoTerm {
        int i, j;
        double value;
    };
    const RhoTerm rho[5] = {
        {0, 0, a * a + b * b}, {1, 0, 2 * a}, {0, 1, 2 * b}, {2, 0, 2.0}, {0, 2, 2.0}};
    const int binomial[4][4] = {{1, 0, 0, 0}, {1, 1, 0, 0}, {1, 2, 1, 0}, {1, 3, 3, 1}};
    for (int m = 0; m <= 3; ++m)
        for (int n = 0; m + n <= 3; ++n) {
            double v = (iPow[n] * f(m + n)).real();
            for (const auto& r : rho) {
                if (r.i > m || r.j > n)
                    continue;
                const int dm = m - r.i, dn = n - r.j;
                v += binomial[m][r.i] * binomial[n][r.j] * r.value * (iPow[dn] * g(dm + dn)).real();
            }
            t[m][n] = v;
        }
    return t;
}

} // namespace flange::plate
