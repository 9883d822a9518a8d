#include "icm_field.h"

#include "icm_field_quadrature.h"
#include "icm_field_series.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <stdexcept>
#include <string>

namespace {

// Integrands below this, times the largest share, are left out (see CFieldQuadrature).
constexpr double kNegligible = 1e-21;
// The mass of counts, and the clock time (s t) after which a stack is taken to have finished,
// below which the stored nodes' end leaves out nothing (see CFieldQuadrature's Stop).
constexpr double kSettled = 1e-18, kSettledTime = 43;

// With shares of one sign the functional has that sign too, and rounding may only push it
// across zero; with mixed signs a negative functional is real.
double Functional(double g, bool nonnegative) {
    return nonnegative ? std::max(g, 0.0) : g;
}

bool Nonnegative(std::span<const double> shares) {
    return std::all_of(shares.begin(), shares.end(), [](double share) { return share >= 0; });
}

void CheckCount(int count, std::size_t seat) {
    if (count < 0)
        throw std::invalid_argument("ICM: seat " + std::to_string(seat + 1) +
                                    " has a negative chip count");
}

} // namespace

CFieldICM::CFieldICM(std::span<const int> chips, std::span<const double> shares)
    : m_vnChips(chips.begin(), chips.end()), m_vnPlayer(chips.size(), -1),
      m_vdEquity(chips.size(), 0.0) {
    std::int64_t total = 0;
    for (std::size_t i = 0; i < chips.size(); ++i) {
        CheckCount(chips[i], i);
        total += chips[i];
    }
    m_dTotal = static_cast<double>(total);
    for (std::size_t i = 0; i < chips.size(); ++i) {
        if (chips[i] == 0)
            continue;
        m_vnPlayer[i] = static_cast<int>(m_vdShare.size());
        m_vdShare.push_back(chips[i] / m_dTotal);
    }
    const int players = static_cast<int>(m_vdShare.size());
    m_nPlaces = std::min(static_cast<int>(shares.size()), players);
    if (m_nPlaces == 0)
        return;

    CFieldQuadrature quadrature(m_vdShare, m_nPlaces);
    const double* w = shares.data();
    const int places = m_nPlaces;
    // The series pays off once its constants are shared by enough players.
    CPayoutSeries series(shares.first(places));
    const bool useSeries = players >= 2 * CPayoutSeries::kTerms;
    const bool nonnegative = Nonnegative(shares);
    std::vector<double> sums = quadrature.Run(players, [&](const SFieldNode& node, double* sum) {
        const CFinishCounts& counts = *node.counts;
        const int lo = counts.Lo(), hi = counts.Hi();
        const double* p = counts.Coefficients();
        m_vdT.push_back(node.t);
        m_vdWeight.push_back(node.weight);
        m_vnLo.push_back(lo);
        m_vnHi.push_back(hi);
        m_vnOffset.push_back(m_vdCounts.size());
        m_vdCounts.insert(m_vdCounts.end(), p + lo, p + hi + 1);
        if (lo >= places) // nobody can still reach a paid place
            return;
        if (useSeries)
            series.Prepare(p, lo, hi);
        for (int i = 0; i < players; ++i) {
            const double density = m_vdShare[i] * node.t * node.a[i];
            if (density < kNegligible)
                continue;
            double g;
            if (!useSeries || !series.Functional(node.a[i], node.b[i], g))
                g = DivideFactorDot(p, lo, hi, node.a[i], node.b[i], w, places);
            sum[i] += node.weight * m_vdShare[i] * node.a[i] * Functional(g, nonnegative);
        }
    });
    m_nLevels = quadrature.Levels();
    for (double& weight : m_vdWeight)
        weight *= quadrature.Step();
    for (std::size_t i = 0; i < chips.size(); ++i)
        if (m_vnPlayer[i] >= 0)
            m_vdEquity[i] = sums[m_vnPlayer[i]];
}

double CFieldICM::EquityAfterChange(int i, int newChipsI, int j, int newChipsJ,
                                    std::span<const double> shares) const {
    const int seats = static_cast<int>(m_vnPlayer.size());
    if (i < 0 || i >= seats || j < 0 || j >= seats || i == j)
        throw std::invalid_argument("ICM: seats outside the field");
    CheckCount(newChipsI, static_cast<std::size_t>(i));
    CheckCount(newChipsJ, static_cast<std::size_t>(j));
    if (newChipsI == 0 || shares.empty())
        return 0.0;
    // Rates in this field's units; the model only needs them proportional to the chips.
    const double si = m_vnPlayer[i] >= 0 ? m_vdShare[m_vnPlayer[i]] : 0.0;
    const double sj = m_vnPlayer[j] >= 0 ? m_vdShare[m_vnPlayer[j]] : 0.0;
    const double ri = newChipsI / m_dTotal, rj = newChipsJ / m_dTotal;
    const int players = static_cast<int>(m_vdShare.size()) - (si > 0) - (sj > 0) + 1 + (rj > 0);
    if (m_vdT.empty() || !TailNegligible(rj, static_cast<int>(shares.size()), players)) {
        std::vector<int> changed = m_vnChips;
        changed[i] = newChipsI;
        changed[j] = newChipsJ;
        return ComputeFieldEquities(changed, shares)[i];
    }
    // Where every place is paid, the last place's share is paid to all and taken off each place:
    // then the integrand vanishes once all others have finished, however late a stack smaller
    // than the field's rings, and the nodes' end cuts off nothing.
    std::vector<double> w(shares.begin(),
                          shares.begin() + std::min<std::ptrdiff_t>(shares.size(), players));
    const int places = static_cast<int>(w.size());
    const double base = places == players ? w.back() : 0.0;
    for (double& share : w)
        share -= base;
    const bool nonnegative = base == 0.0 && Nonnegative(shares);
    std::vector<double> q1(m_vdShare.size() + 2), q2(m_vdShare.size() + 2);
    double equity = 0;
    for (std::size_t node = 0; node < m_vdT.size(); ++node) {
        const double t = m_vdT[node];
        const double ai = std::exp(-ri * t);
        if (ri * t * ai < kNegligible)
            continue;
        // The others: the field's distribution without i and j, then with j's new stack.
        int lo = m_vnLo[node], hi = m_vnHi[node];
        std::copy_n(m_vdCounts.begin() + static_cast<std::ptrdiff_t>(m_vnOffset[node]), hi - lo + 1,
                    q1.begin() + lo);
        for (const double s : {si, sj}) {
            if (s == 0.0)
                continue;
            int qlo, qhi;
            DivideFactor(q1.data(), lo, hi, std::exp(-s * t), -std::expm1(-s * t), q2.data(), qlo,
                         qhi);
            q1.swap(q2);
            lo = qlo;
            hi = qhi;
        }
        const double* q = q1.data();
        const double aj = std::exp(-rj * t), bj = -std::expm1(-rj * t);
        double g = 0;
        for (int m = lo; m <= std::min(hi + 1, places - 1); ++m)
            g += w[m] * ((m <= hi ? aj * q[m] : 0.0) + (m > lo ? bj * q[m - 1] : 0.0));
        equity += m_vdWeight[node] * ri * ai * Functional(g, nonnegative);
    }
    return base + equity;
}

// Beyond the last node a player is paid only while fewer than `places` of the others have
// finished. Either the field's count already makes that negligible there (the nodes stopped
// on it; two stacks changing move the count by at most two), or every stack of the field has
// surely finished by then, and then only a new stack of j's below the field's may still be in.
bool CFieldICM::TailNegligible(double rj, int places, int players) const {
    const std::size_t last = m_vdT.size() - 1;
    const int lo = m_vnLo[last], top = std::min(m_vnHi[last], places + 1);
    double unsettled = 0;
    for (int m = lo; m <= top; ++m)
        unsettled += m_vdCounts[m_vnOffset[last] + static_cast<std::size_t>(m - lo)];
    if (places < players && unsettled <= kSettled)
        return true;
    const double smallest = *std::min_element(m_vdShare.begin(), m_vdShare.end());
    return smallest * m_vdT[last] >= kSettledTime &&
           (rj == 0.0 || rj * m_vdT[last] >= kSettledTime);
}

std::vector<double> ComputeFieldEquities(std::span<const int> chips,
                                         std::span<const double> shares) {
    return CFieldICM(chips, shares).Equities();
}
