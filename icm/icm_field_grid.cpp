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

double CFieldGrid::X(double u, double& slope, double& v, double& dvdu) const {
    const double squeeze = std::exp(kLeft - u);
    v = u - squeeze;
    dvdu = 1 + squeeze;
    const double t = std::exp(v);
    double mu = 0, dmu = 0;
    for (std::size_t g = 0; g < m_vdRate.size(); ++g) {
        const double st = m_vdRate[g] * t;
        mu -= m_vdCount[g] * std::expm1(-st);
        dmu += m_vdCount[g] * st * std::exp(-st);
    }
    const double root = std::sqrt(1 + mu);
    slope = 1 + m_dBeta * dmu / root * dvdu;
    return u + 2 * m_dBeta * (root - 1);
}

double CFieldGrid::XBelow(double v) const {
    // v(u) <= u - exp(kLeft - u), so this u has v(u) <= v; and x(u) <= u + 2 beta mu(v).
    const double u = v >= kLeft - 1 ? v : kLeft - std::log(kLeft - v);
    double slope, vu, dvdu;
    return X(u, slope, vu, dvdu);
}

double CFieldGrid::V(double x, double& dvdx) const {
    // x - u lies between 0 and 2 beta sqrt(1 + n): a bracket for a guarded Newton. Where x(u)
    // climbs steeply between flat stretches, plain Newton bounces between the flat sides and
    // crawls; so a step that leaves the bracket, or would not halve the last step, bisects.
    double lo = x - 2 * m_dBeta * std::sqrt(1 + m_dPlayers) - 1, hi = x;
    double u = hi, v = 0, last = hi - lo, before = last;
    for (int it = 0; it < 200; ++it) {
        double slope, dvdu;
        const double g = X(u, slope, v, dvdu) - x;
        dvdx = dvdu / slope;
        if (g > 0)
            hi = u;
        else
            lo = u;
        const double newton = g / slope;
        double next = u - newton;
        before = last;
        last = std::abs(newton);
        if (!(next > lo && next < hi) || 2 * last > before) {
            next = 0.5 * (lo + hi);
            last = 0.5 * (hi - lo);
        }
        if (std::abs(next - u) <= 1e-15 * (1 + std::abs(u)) || hi - lo <= 1e-15 * (1 + std::abs(u)))
            break;
        u = next;
    }
    return v;
}
