#include "icm_bubble_reference.h"

#include <algorithm>
#include <limits>

std::vector<double> ReferenceBubbleFactors(std::span<const int> chips,
                                           std::span<const double> shares,
                                           std::span<const std::size_t> seats,
                                           const EquityEngine& equities) {
    const std::size_t m = seats.size();
    std::vector<double> factor(m * m, std::numeric_limits<double>::quiet_NaN());
    const std::vector<double> now = equities(chips, shares);
    const auto players = static_cast<std::size_t>(
        std::count_if(chips.begin(), chips.end(), [](int count) { return count > 0; }));
    for (std::size_t r = 0; r < m; ++r) {
        for (std::size_t c = 0; c < m; ++c) {
            const std::size_t i = seats[r], j = seats[c];
            if (i == j)
                continue;
            const int e = std::min(chips[i], chips[j]);
            std::vector<int> won(chips.begin(), chips.end()), lost = won;
            won[i] += e;
            won[j] -= e;
            lost[i] -= e;
            lost[j] += e;
            const double win = equities(won, shares)[i];
            double lose = equities(lost, shares)[i];
            if (lost[i] == 0)
                lose = players <= shares.size() ? shares[players - 1] : 0.0;
            factor[r * m + c] = (now[i] - lose) / (win - now[i]);
        }
    }
    return factor;
}
