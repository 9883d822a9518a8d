#include "icm_bubble.h"

#include "icm_pair.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace {

constexpr double kNone = std::numeric_limits<double>::quiet_NaN();

void CheckSeats(std::span<const int> chips, std::span<const std::size_t> seats) {
    for (const int count : chips)
        if (count < 0)
            throw std::invalid_argument("bubble: negative chip count");
    for (const std::size_t seat : seats)
        if (seat >= chips.size() || chips[seat] == 0)
            throw std::invalid_argument("bubble: seat without chips");
}

bool OnlyFirstPaid(std::span<const double> shares) {
    return std::all_of(shares.begin() + std::min<std::size_t>(1, shares.size()), shares.end(),
                       [](double share) { return share == 0; });
}

// What a player who busts takes home: the share of the place they finish in.
double BustShare(std::span<const int> chips, std::span<const double> shares) {
    const auto players = static_cast<std::size_t>(
        std::count_if(chips.begin(), chips.end(), [](int count) { return count > 0; }));
    return players >= 1 && players <= shares.size() ? shares[players - 1] : 0.0;
}

// The matrix over `seats` with factor(row, column) off the diagonal.
template <typename Factor>
BubbleMatrix Filled(std::span<const std::size_t> seats, const Factor& factor) {
    BubbleMatrix matrix;
    matrix.seats.assign(seats.begin(), seats.end());
    const std::size_t m = seats.size();
    matrix.factor.assign(m * m, kNone);
    matrix.premium.assign(m * m, kNone);
    for (std::size_t r = 0; r < m; ++r) {
        for (std::size_t c = 0; c < m; ++c) {
            if (seats[r] == seats[c])
                continue;
            matrix.factor[r * m + c] = factor(r, c);
            matrix.premium[r * m + c] = RiskPremium(matrix.factor[r * m + c]);
        }
    }
    return matrix;
}

} // namespace

double RiskPremium(double bubbleFactor) {
    return bubbleFactor / (bubbleFactor + 1) - 0.5;
}

BubbleMatrix ComputeBubbleMatrix(std::span<const int> chips, std::span<const double> shares,
                                 std::span<const std::size_t> seats) {
    CheckSeats(chips, seats);
    if (OnlyFirstPaid(shares))
        return Filled(seats, [](std::size_t, std::size_t) { return 1.0; });
    return ComputeBubbleMatrix(chips, shares, seats, *MakeIcmPairEngine(chips, shares));
}

BubbleMatrix ComputeBubbleMatrix(std::span<const int> chips, std::span<const double> shares,
                                 std::span<const std::size_t> seats, IcmPairEngine& engine) {
    CheckSeats(chips, seats);
    if (OnlyFirstPaid(shares))
        return Filled(seats, [](std::size_t, std::size_t) { return 1.0; });
    const std::size_t m = seats.size();
    std::vector<double> factor(m * m, kNone);
    const double bust = BustShare(chips, shares);
    std::vector<double> now(m);
    for (std::size_t r = 0; r < m; ++r)
        now[r] = engine.Now(seats[r]);
    for (std::size_t r = 0; r < m; ++r) {
        for (std::size_t c = r + 1; c < m; ++c) {
            const std::size_t a = seats[r], b = seats[c];
            if (a == b)
                continue;
            const PairChips ca = chips[a], cb = chips[b], e = std::min(ca, cb);
            // a wins: b may bust; b wins: a may bust.
            auto [aWins, bLoses] = engine.After(a, ca + e, b, cb - e);
            auto [aLoses, bWins] = engine.After(a, ca - e, b, cb + e);
            if (cb == e)
                bLoses = bust;
            if (ca == e)
                aLoses = bust;
            factor[r * m + c] = (now[r] - aLoses) / (aWins - now[r]);
            factor[c * m + r] = (now[c] - bLoses) / (bWins - now[c]);
        }
    }
    return Filled(seats, [&](std::size_t r, std::size_t c) { return factor[r * m + c]; });
}
