#pragma once

#include "icm.h"

#include <array>
#include <cstdint>
#include <iterator>
#include <random>

using Chips = std::array<int, ICM_PLAYERS>;
using Shares = std::array<double, ICM_PLACES>;
using Equities = std::array<double, ICM_PLAYERS>;

// Runs the engine on an output vector pre-filled with a marker, so unwritten seats show.
inline Equities Equity(const Chips& chips, const Shares& shares) {
    Equities equity;
    equity.fill(-12345.0);
    ComputeICMEquity(chips.data(), equity.data(), shares.data());
    return equity;
}

// Random tables of every shape: 0 to 10 players scattered over the seats, stacks from a
// handful of chips (many ties) to the 32-bit limit (totals past 2^31), and, when asked for,
// negative counts. Only raw engine output is used, so every platform draws the same tables.
class RandomTables {
public:
    explicit RandomTables(std::uint64_t seed) : rng_(seed) {}

    Chips Next(bool negatives) {
        Chips chips{};
        const int players = Below(ICM_PLAYERS + 1);
        const std::uint64_t most = kRanges[Below(std::size(kRanges))];
        const bool mixed = Below(4) == 0; // giant stacks beside tiny ones
        for (int k = 0; k < players; ++k) {
            int seat;
            do
                seat = Below(ICM_PLAYERS);
            while (chips[seat] != 0);
            const std::uint64_t range = mixed && Below(2) ? kRanges[0] : most;
            int count = static_cast<int>(1 + rng_() % range);
            if (negatives && Below(4) == 0)
                count = -count;
            chips[seat] = count;
        }
        return chips;
    }

    // Shares of a random payout, normalised as the caller does; now and then fewer places.
    Shares NextShares() {
        Shares payout{};
        const int paid = 1 + Below(ICM_PLACES);
        double sum = 0;
        for (int j = 0; j < paid; ++j)
            sum += payout[j] = static_cast<double>(1 + rng_() % 1000);
        for (double& share : payout)
            share /= sum;
        return payout;
    }

private:
    static constexpr std::uint64_t kRanges[] = {20, 1000, 1000000, 2147483647};

    int Below(std::uint64_t n) { return static_cast<int>(rng_() % n); }

    std::mt19937_64 rng_;
};
