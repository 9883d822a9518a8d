#pragma once

// A player's payout functional at one node without dividing its factor out of the window:
//   g = sum_m w[m] [z^m] P(z) / (a + b z)
// expands, with u = min(a, b) and y = z - 1, as
//   1 / (1 + b y) = sum_j (-b)^j y^j                       when b <= a,
//   1 / (a + b z) = z^-1 sum_j (-a)^j (z^-1 - 1)^j         when a < b,
// so g = sum_j (-u)^j c_j with per-node constants c_j = <D_j w, p>, D_j the j-th forward (or
// shifted backward) difference. Differences of p shrink like 1 / sd^j while u <= 1/2, so in a
// wide field a few dozen terms give g to 1e-17 for almost every player at O(terms) cost.
// Prepare() works out up to which u the series has converged (the last terms below 1e-17 of
// the largest share); players beyond it are left to DivideFactorDot. The constants' rounding
// errors are at most 2^j times the shares' size, and the terms weigh them with u^j <= 2^-j.

#include <span>
#include <vector>

class CPayoutSeries {
public:
    static constexpr int kTerms = 32;

    explicit CPayoutSeries(std::span<const double> shares);

    // Constants for the window p[lo..hi] of one node.
    void Prepare(const double* p, int lo, int hi);

    // The functional of the player with chances (a, b); false where the series is too slow.
    bool Functional(double a, double b, double& g) const {
        const int side = b <= a ? 0 : 1;
        const double u = side == 0 ? b : a;
        if (u > m_dLimit[side])
            return false;
        const double* c = m_dConstant[side];
        double sum = c[kTerms - 1];
        for (int j = kTerms - 2; j >= 0; --j)
            sum = c[j] - u * sum;
        g = sum;
        return true;
    }

private:
    int m_nPlaces;
    int m_nWidth;                     // entries per row of the difference tables
    std::vector<double> m_vdForward;  // kTerms rows: D_j w at m = 0 .. m_nWidth - 1
    std::vector<double> m_vdBackward; // kTerms rows: shifted backward differences
    double m_dTolerance;
    double m_dConstant[2][kTerms];
    double m_dLimit[2];
};
