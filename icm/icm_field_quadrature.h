#pragma once

// The trapezoid rule behind the field engine, with its node count chosen by halving the step.
//
// Every quantity the engine integrates has the form  integral over t of f(t) dt,  sampled on
// the grid of CFieldGrid: level 0 has step kFirstStep in x, each further level halves the step
// and adds only the midpoints, so no node is ever evaluated twice. The integrands are analytic
// in x, so the error falls geometrically with the step, roughly squaring at each halving. The
// run stops at the first level whose sums differ from the previous level's by at most kAgree
// relative (or kAgreeAbsolute absolute) in every output. Measured against a long-double
// reference on fields of 100 to 10,000 players, the error left is then 20 to 200 times the
// square of that difference: below 1e-11 relative at kAgree = 2e-7. Tables of up to
// kSmallField players, whose nodes cost next to nothing, agree to kAgreeSmall, for 1e-13.
// The ends: below t = kFirst * (total chips / biggest stack) every integrand is below kFirst
// times its scale and grows like t, so the part left out is that small; the upper end is the
// first level-0 node from which on nothing can contribute more than about 1e-19 (see Stop).

#include "icm_field_grid.h"
#include "icm_field_product.h"

#include <cmath>
#include <span>
#include <stdexcept>
#include <vector>

// What a node hands to the integrand: the moment t, the weight of the node in the sum
// before the step is applied (dt/dx), each player's chances a (still in) and b (finished), and the
// distribution of the number finished.
struct SFieldNode {
    double t;
    double weight;
    const double* a;
    const double* b;
    const CFinishCounts* counts;
};

class CFieldQuadrature {
public:
    static constexpr double kAgree = 2e-7, kAgreeSmall = 1e-8, kAgreeAbsolute = 1e-15;
    static constexpr int kSmallField = 64;
    static constexpr int kMaxLevels = 14;
    static constexpr double kFirstStep = 1.5;

    // shares: each player's fraction of the chips, all positive. The nodes go on until fewer
    // than `places` + 2 players can have finished, or every player surely has.
    CFieldQuadrature(std::span<const double> shares, int places);

    // Calls integrand(node, sums) for every node, which adds each output's weighted value to
    // sums[0 .. outputs). Returns the integrals, the sums of the last level times its step.
    // Throws std::runtime_error where kMaxLevels levels still disagree: an answer that cannot
    // vouch for its digits is not given.
    template <class Integrand> std::vector<double> Run(int outputs, Integrand&& integrand);

    int Levels() const { return m_nLevels; }
    double Step() const { return m_dStep; }
    int Nodes() const { return m_nNodes; }

private:
    // Evaluates the node at x with the given step, filling m_vdA, m_vdB and m_counts.
    SFieldNode Evaluate(double x);
    bool Stop(const SFieldNode& node) const;

    std::span<const double> m_vdShare;
    int m_nPlaces;
    double m_dSmallest, m_dX0, m_dAgree;
    CFieldGrid m_grid;
    std::vector<double> m_vdA, m_vdB;
    CFinishCounts m_counts;
    int m_nLevels = 0, m_nNodes = 0;
    double m_dStep = kFirstStep;
};

template <class Integrand>
std::vector<double> CFieldQuadrature::Run(int outputs, Integrand&& integrand) {
    std::vector<double> sums(outputs, 0.0), previous;
    // Level 0 walks right until nothing is left to integrate.
    int steps = 0;
    for (;; ++steps) {
        const SFieldNode node = Evaluate(m_dX0 + kFirstStep * steps);
        integrand(node, sums.data());
        ++m_nNodes;
        if (Stop(node) || steps > 1000000)
            break;
    }
    m_nLevels = 1;
    std::vector<double> raw(sums); // unweighted by step: level L's estimate is raw * step
    for (double& sum : sums)
        sum *= kFirstStep;
    bool converged = false;
    for (int level = 1; level < kMaxLevels && !converged; ++level) {
        previous = sums;
        const double step = kFirstStep / static_cast<double>(1 << level);
        const long long count = static_cast<long long>(steps) << (level - 1);
        std::vector<double> added(outputs, 0.0);
        for (long long r = 0; r < count; ++r) {
            const SFieldNode node = Evaluate(m_dX0 + static_cast<double>(2 * r + 1) * step);
            integrand(node, added.data());
            ++m_nNodes;
        }
        converged = true;
        for (int k = 0; k < outputs; ++k) {
            raw[k] += added[k];
            sums[k] = raw[k] * step;
            const double diff = std::abs(sums[k] - previous[k]);
            if (diff > m_dAgree * std::abs(sums[k]) && diff > kAgreeAbsolute)
                converged = false;
        }
        m_nLevels = level + 1;
        m_dStep = step;
    }
    if (!converged)
        throw std::runtime_error("ICM: the field's integral did not converge");
    return sums;
}
