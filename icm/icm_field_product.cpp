#include "icm_field_product.h"

#include <algorithm>

void CFinishCounts::Build(std::span<const double> a, std::span<const double> b) {
    m_dMean = m_dVariance = 0;
    for (std::size_t j = 0; j < a.size(); ++j) {
        m_dMean += b[j];
        m_dVariance += a[j] * b[j];
    }
    if (m_dVariance < kSpectralVariance || !BuildSpectrum(a, b))
        BuildProduct(a, b);
}

void CFinishCounts::BuildProduct(std::span<const double> a, std::span<const double> b) {
    m_nLo = m_nHi = 0;
    m_vdCur[0] = 1.0;
    for (std::size_t j = 0; j < a.size(); ++j) {
        const double aj = a[j], bj = b[j];
        if (bj == 0.0)
            continue;
        const double* in = m_vdCur.data();
        double* out = m_vdNext.data();
        out[m_nLo] = aj * in[m_nLo];
        for (int m = m_nLo + 1; m <= m_nHi; ++m)
            out[m] = aj * in[m] + bj * in[m - 1];
        out[m_nHi + 1] = bj * in[m_nHi];
        ++m_nHi;
        m_vdCur.swap(m_vdNext);
        double* p = m_vdCur.data();
        while (m_nLo < m_nHi && p[m_nLo] < kDropped)
            ++m_nLo;
        while (m_nHi > m_nLo && p[m_nHi] < kDropped)
            --m_nHi;
    }
}

void DivideFactor(const double* p, int lo, int hi, double a, double b, double* q, int& qlo,
                  int& qhi) {
    if (a >= b) {
        double prev = 0;
        for (int m = lo; m <= hi; ++m)
            q[m] = prev = (p[m] - b * prev) / a;
        qlo = lo;
        qhi = hi;
        return;
    }
    double next = 0;
    for (int m = hi; m > lo; --m)
        q[m - 1] = next = (p[m] - a * next) / b;
    qhi = hi - 1;
    qlo = lo;
    if (lo > 0) {
        q[lo - 1] = (p[lo] - a * next) / b;
        qlo = lo - 1;
    }
}

double DivideFactorDot(const double* p, int lo, int hi, double a, double b, const double* w,
                       int places) {
    double sum = 0;
    if (a >= b) {
        double prev = 0;
        const int top = std::min(hi, places - 1);
        for (int m = lo; m <= top; ++m) {
            prev = (p[m] - b * prev) / a;
            sum += w[m] * prev;
        }
        return sum;
    }
    double next = 0;
    for (int m = hi; m > lo; --m) {
        next = (p[m] - a * next) / b;
        if (m - 1 < places)
            sum += w[m - 1] * next;
    }
    if (lo > 0 && lo - 1 < places)
        sum += w[lo - 1] * (p[lo] - a * next) / b;
    return sum;
}
