#include "icm_field_grid.h"

#include <algorithm>
#include <cmath>

CFieldGrid::CFieldGrid(std::span<const double> shares, double beta)
    : m_dBeta(beta), m_dPlayers(static_cast<double>(shares.size())) {
    std::vector<double> sorted(shares.begin(), shares.end());
    std::sort(sorted.begin(), sorted.end());
    const std::size_t n = sorted.size();
    const std::size_t per = (n + kGroups - 1) / kGroups;
    for (std::size_t first = 0; first < n; first += per) {
        const std::size_t last = std::min(n, first + per);
        double sum = 0;
        for (std::size_t j = first; j < last; ++j)
            sum += sorted[j];
        const double count = static_cast<double>(last - first);
        m_vdRate.push_back(sum / count);
        m_vdCount.push_back(count);
    }
}

double CFieldGrid::Mu(double v, double& dmu) const {
    const double t = std::exp(v);
    double mu = 0;
    dmu = 0;
    for (std::size_t g = 0; g < m_vdRate.size(); ++g) {
        const double st = m_vdRate[g] * t;
        mu -= m_vdCount[g] * std::expm1(-st);
        dmu += m_vdCount[g] * st * std::exp(-st);
    }
    return mu;
}

double CFieldGrid::X(double v) const {
    double dmu;
    return v + 2 * m_dBeta * (std::sqrt(1 + Mu(v, dmu)) - 1);
}

double CFieldGrid::V(double x, double& dvdx) const {
    // X(v) lies between v and v + 2 beta (sqrt(1 + n) - 1): a bracket for a guarded Newton.
    double lo = x - 2 * m_dBeta * (std::sqrt(1 + m_dPlayers) - 1), hi = x;
    double v = hi;
    for (int it = 0; it < 200; ++it) {
        double dmu;
        const double mu = Mu(v, dmu);
        const double root = std::sqrt(1 + mu);
        const double g = v + 2 * m_dBeta * (root - 1) - x;
        const double slope = 1 + m_dBeta * dmu / root;
        dvdx = 1 / slope;
        if (g > 0)
            hi = v;
        else
            lo = v;
        double next = v - g / slope;
        if (!(next > lo && next < hi))
            next = 0.5 * (lo + hi);
        if (std::abs(next - v) <= 1e-15 * (1 + std::abs(v)) || hi - lo <= 1e-15 * (1 + std::abs(v)))
            return v;
        v = next;
    }
    return v;
}
