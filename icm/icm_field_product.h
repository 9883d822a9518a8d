#pragma once

// The distribution of how many players have finished by one moment of the clock race: the
// coefficients of prod_j (a_j + b_j z), a_j the chance that player j is still in, b_j = 1 - a_j.
// Only a window of coefficients is kept; entries below kDropped at either end are cut off as
// the product grows, and their sum is kept, so the error of the window is known (the factors
// are convex combinations, so a dropped mass never grows afterwards).

#include <span>
#include <vector>

class CFinishCounts {
public:
    static constexpr double kDropped = 1e-24;

    // Room for `players` factors; allocates once.
    explicit CFinishCounts(int players);

    // The product of the factors (a[j], b[j]) for every j.
    void Build(std::span<const double> a, std::span<const double> b);

    int Lo() const { return m_nLo; }
    int Hi() const { return m_nHi; }
    // Coefficient m for Lo() <= m <= Hi().
    const double* Coefficients() const { return m_vdCur.data(); }
    double Dropped() const { return m_dDropped; }
    // Probability that at most `count` players have finished, to within Dropped().
    double AtMost(int count) const;

private:
    std::vector<double> m_vdCur, m_vdNext;
    int m_nLo = 0, m_nHi = 0;
    double m_dDropped = 0;
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
