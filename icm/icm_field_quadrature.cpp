#include "icm_field_quadrature.h"

#include <algorithm>
#include <cmath>

namespace {

// Below this t every integrand is that small a fraction of its scale.
constexpr double kFirst = 1e-20;
// Beyond the last node nothing may add more than this (times the largest share).
constexpr double kLast = 1e-19;
// The stretch of the grid: the sharpest features become about 1 / kBeta wide in x.
constexpr double kBeta = 1.0;

} // namespace

CFieldQuadrature::CFieldQuadrature(std::span<const double> shares, int places)
    : m_vdShare(shares), m_nPlaces(places),
      m_dSmallest(*std::min_element(shares.begin(), shares.end())),
      m_grid(shares, places < static_cast<int>(shares.size()) ? kBeta : 0.0), m_vdA(shares.size()),
      m_vdB(shares.size()), m_counts(static_cast<int>(shares.size())) {
    const double biggest = *std::max_element(shares.begin(), shares.end());
    m_dX0 = m_grid.XBelow(std::log(kFirst / biggest));
    m_dAgree = shares.size() <= kSmallField ? kAgreeSmall : kAgree;
}

SFieldNode CFieldQuadrature::Evaluate(double x) {
    double dvdx;
    const double v = m_grid.V(x, dvdx);
    const double t = std::exp(v);
    for (std::size_t j = 0; j < m_vdShare.size(); ++j) {
        const double st = m_vdShare[j] * t;
        const double a = std::exp(-st);
        m_vdA[j] = a;
        m_vdB[j] = a < 0.5 ? 1 - a : -std::expm1(-st); // 1 - a is exact below one half
    }
    m_counts.Build(m_vdA, m_vdB);
    return {t, t * dvdx, m_vdA.data(), m_vdB.data(), &m_counts};
}

// A player's integrand is at most its share of the pool times the chance that fewer than
// `places` others have finished, which only falls with t, and its rest beyond t is at most
// exp(-s t) for its own share s. Two more places leave room for two stacks to change. The
// chance that at most m of them have finished, with mu expected, is below
// exp(-(mu - m)^2 / (2 mu)) (Chernoff's bound for sums of independent trials).
bool CFieldQuadrature::Stop(const SFieldNode& node) const {
    if (m_dSmallest * node.t > -std::log(kLast))
        return true;
    const double mu = node.counts->Mean(), excess = mu - (m_nPlaces + 2);
    return excess > 0 && excess * excess / (2 * mu) > -std::log(kLast);
}
