#pragma once

// Field equities by a formulation that shares nothing with the field engine, in long double:
// for its tests and for the accuracy figures of its benchmark. Slow: O(players * places) per
// quadrature point and a few thousand points.

#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

// A long-double integral in t of another build: Gauss-Legendre on intervals growing by 8 %,
// and each player's leave-one-out functional as prefix products of the players before it met
// by the payouts pushed back through the players after it (u_j[l] = sum_m w[l + m] suffix_j[m]).
inline std::vector<double> ReferenceEquities(const std::vector<int>& chips,
                                             const std::vector<double>& shares) {
    constexpr int kPoints = 20;
    long double node[kPoints], weight[kPoints];
    for (int i = 0; i < kPoints; ++i) { // Legendre roots by Newton from Tricomi's guess
        long double x = std::cos(3.14159265358979323846L * (i + 0.75L) / (kPoints + 0.5L)), d = 0;
        for (int it = 0; it < 100; ++it) {
            long double p0 = 1, p1 = x;
            for (int j = 2; j <= kPoints; ++j) {
                const long double p2 = ((2 * j - 1) * x * p1 - (j - 1) * p0) / j;
                p0 = p1;
                p1 = p2;
            }
            d = kPoints * (x * p1 - p0) / (x * x - 1);
            x -= p1 / d;
        }
        node[i] = x;
        weight[i] = 2 / ((1 - x * x) * d * d);
    }
    const int n = static_cast<int>(chips.size()), k = static_cast<int>(shares.size());
    const long double total = std::accumulate(chips.begin(), chips.end(), 0.0L);
    std::vector<long double> s(n), a(n), b(n), prefix(k), u((n + 1) * (k + 1));
    for (int i = 0; i < n; ++i)
        s[i] = chips[i] / total;
    const long double smallest = *std::min_element(s.begin(), s.end());
    std::vector<double> equity(n);
    std::vector<long double> sum(n, 0.0L);
    for (long double lo = 0, hi = 0.05L; smallest * lo < 50; lo = hi, hi *= 1.08L) {
        long double most = 0;
        for (int g = 0; g < kPoints; ++g) {
            const long double t = (hi + lo) / 2 + (hi - lo) / 2 * node[g];
            for (int j = 0; j < n; ++j) {
                a[j] = std::exp(-s[j] * t);
                b[j] = -std::expm1(-s[j] * t);
            }
            std::fill(u.begin() + n * (k + 1), u.end(), 0.0L);
            std::copy(shares.begin(), shares.end(), u.begin() + n * (k + 1));
            for (int j = n - 1; j >= 0; --j)
                for (int l = 0; l < k; ++l)
                    u[j * (k + 1) + l] =
                        a[j] * u[(j + 1) * (k + 1) + l] + b[j] * u[(j + 1) * (k + 1) + l + 1];
            std::fill(prefix.begin(), prefix.end(), 0.0L);
            prefix[0] = 1;
            for (int i = 0; i < n; ++i) {
                long double g_i = 0;
                for (int l = 0; l < k; ++l)
                    g_i += prefix[l] * u[(i + 1) * (k + 1) + l];
                most = std::max(most, g_i);
                sum[i] += (hi - lo) / 2 * weight[g] * s[i] * a[i] * g_i;
                for (int l = k - 1; l >= 0; --l)
                    prefix[l] = a[i] * prefix[l] + (l > 0 ? b[i] * prefix[l - 1] : 0);
            }
        }
        if (most < 1e-24L && hi > 1)
            break;
    }
    for (int i = 0; i < n; ++i)
        equity[i] = static_cast<double>(sum[i]);
    return equity;
}
