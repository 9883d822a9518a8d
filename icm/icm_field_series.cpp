#include "icm_field_series.h"

#include <algorithm>
#include <cmath>

CPayoutSeries::CPayoutSeries(std::span<const double> shares)
    : m_nPlaces(static_cast<int>(shares.size())), m_nWidth(m_nPlaces + kTerms + 1) {
    const std::size_t width = static_cast<std::size_t>(m_nWidth);
    m_vdForward.assign(width * kTerms, 0.0);
    m_vdBackward.assign(width * kTerms, 0.0);
    double largest = 0;
    for (int m = 0; m < m_nPlaces; ++m) {
        m_vdForward[m] = shares[m];
        m_vdBackward[m + 1] = shares[m]; // row 0: w[m - 1]
        largest = std::max(largest, std::abs(shares[m]));
    }
    m_dTolerance = 1e-17 * largest;
    for (int j = 1; j < kTerms; ++j) {
        const double* f = &m_vdForward[(j - 1) * width];
        const double* g = &m_vdBackward[(j - 1) * width];
        double* fj = &m_vdForward[j * width];
        double* gj = &m_vdBackward[j * width];
        for (int m = 0; m + 1 < m_nWidth; ++m)
            fj[m] = f[m + 1] - f[m];
        for (int m = 1; m < m_nWidth; ++m)
            gj[m] = g[m - 1] - g[m];
    }
}

void CPayoutSeries::Prepare(const double* p, int lo, int hi) {
    const std::size_t width = static_cast<std::size_t>(m_nWidth);
    const int top = std::min(hi, m_nWidth - 1);
    for (int side = 0; side < 2; ++side) {
        const double* table = side == 0 ? m_vdForward.data() : m_vdBackward.data();
        for (int j = 0; j < kTerms; ++j) {
            const double* row = table + j * width;
            double sum = 0;
            for (int m = lo; m <= top; ++m)
                sum += row[m] * p[m];
            m_dConstant[side][j] = sum;
        }
        // The series has converged for u where its last few terms are negligible.
        double limit = 0.5;
        for (int j = kTerms - 4; j < kTerms; ++j) {
            const double c = std::abs(m_dConstant[side][j]);
            if (c > 0)
                limit = std::min(limit, std::pow(m_dTolerance / c, 1.0 / j));
        }
        m_dLimit[side] = limit;
    }
}
