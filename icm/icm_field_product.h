#pragma once

// The distribution of how many players have finished by one moment of the clock race: the
// coefficients of prod_j (a_j + b_j z), a_j the chance that player j is still in, b_j = 1 - a_j.
// Only a window of coefficients is kept, outside of which the mass is below about 1e-19.
//
// Narrow distributions (variance below kSpectralVariance) are multiplied out factor by factor,
// cutting entries below kDropped at either end as the product grows (the factors are convex
// combinations, so a dropped mass never grows afterwards). Wide ones come from the
// distribution's characteristic function and one inverse FFT (icm_field_spectrum.cpp): that
// costs a few dozen operations per player instead of one per coefficient of the window.

#include <memory>
#include <span>
#include <vector>

class CFinishCounts {
public:
    static constexpr double kDropped = 1e-24;
    static constexpr double kSpectralVariance = 49;

    // Room for `players` factors; allocates once (the FFT's buffers grow to the widest window).
    explicit CFinishCounts(int players);
    ~CFinishCounts();

    // The product of the factors (a[j], b[j]) for every j.
    void Build(std::span<const double> a, std::span<const double> b);

    int Lo() const { return m_nLo; }
    int Hi() const { return m_nHi; }
    // Coefficient m for Lo() <= m <= Hi().
    const double* Coefficients() const { return m_vdCur.data(); }
    // Expected number finished and its variance.
    double Mean() const { return m_dMean; }
    double Variance() const { return m_dVariance; }

private:
    struct SSpectrum;

    void BuildProduct(std::span<const double> a, std::span<const double> b);
    // Returns false where the characteristic function's series would converge too slowly.
    bool BuildSpectrum(std::span<const double> a, std::span<const double> b);

    std::vector<double> m_vdCur, m_vdNext;
    int m_nLo = 0, m_nHi = 0;
    double m_dMean = 0, m_dVariance = 0;
    std::unique_ptr<SSpectrum> m_pSpectrum;
};

// One factor (a + b z) taken out of a window [lo, hi] of coefficients p: the coefficients of
// the quotient on [qlo, qhi] go to q[qlo..qhi] (q has room for indices up to hi). Divides
// forwards when a >= b and backwards from the top otherwise, so rounding errors never grow.
// The quotient's window is [lo, hi] forwards and [lo - 1, hi - 1] backwards (clipped at 0).
void DivideFactor(const double* p, int lo, int hi, double a, double b, double* q, int& qlo,
                  int& qhi);

// sum over m < places of w[m] q[m] for that quotient, without storing it.
double DivideFactorDot(const double* p, int lo, int hi, double a, double b, const double* w,
                       int places);
