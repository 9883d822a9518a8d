// The dialog's engine against its plain loop nest, bit for bit, and against the whole-table
// engine, an independent derivation of the model, so agreeing on its tables checks both.
#include "icm_exact.h"
#include "icm_loop_nest.h"
#include "icm.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <random>
#include <stdexcept>
#include <vector>

namespace {

using Chips = std::array<int, ICM_PLAYERS>;
using Shares = std::array<double, ICM_PLACES>;
using Equities = std::array<double, ICM_PLAYERS>;

// Runs the engine on an output vector pre-filled with a marker, so unwritten seats show.
Equities Equity(const Chips& chips, const Shares& shares) {
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

using Table = double[ICM_PLAYERS][ICM_PLACES];

// Relative agreement where both are finite: around a negative count the two orders of
// operations may reach different infinities or not-a-numbers, or cancel differently (random
// tables with negative counts cancel too much to compare).
bool Close(double a, double b) {
    if (!std::isfinite(a) || !std::isfinite(b))
        return true;
    return std::abs(a - b) <= 1e-12 * std::max(std::abs(a), std::abs(b));
}

// Compares the whole place table and the equities with those of the loop nest bit for bit
// (memcmp tells -0 from 0 and NaNs apart), then, if asked, with the whole-table engine's (an
// empty seat's first place is c / T in the dialog; it takes no place there); reports the table
// and returns false on a difference.
bool MatchesLoopNest(const Chips& chips, const Shares& shares, bool wholeTable = true) {
    Table want, got;
    LoopNestICMPlaces(chips.data(), want);
    std::fill(&got[0][0], &got[0][0] + ICM_PLAYERS * ICM_PLACES, -12345.0);
    ComputeICMPlaces(chips.data(), got);
    Equities wantEquity;
    LoopNestICMEquity(chips.data(), wantEquity.data(), shares.data());
    const Equities gotEquity = Equity(chips, shares);
    const std::vector<double> table = ComputeICMPlaceTable(chips, ICM_PLACES);
    const std::vector<double> equity = ComputeICMEquities(chips, shares);
    bool close = true;
    for (int i = 0; i < ICM_PLAYERS && wholeTable; ++i) {
        close = close && Close(equity[i], gotEquity[i]);
        for (int j = chips[i] == 0 ? 1 : 0; j < ICM_PLACES; ++j)
            close = close && Close(table[i * ICM_PLACES + j], got[i][j]);
    }
    if (std::memcmp(got, want, sizeof got) == 0 &&
        std::memcmp(gotEquity.data(), wantEquity.data(), sizeof gotEquity) == 0 && close)
        return true;
    ADD_FAILURE() << "chips " << testing::PrintToString(chips) << "\nplaces "
                  << testing::PrintToString(got) << "\nequities "
                  << testing::PrintToString(gotEquity);
    return false;
}

TEST(IcmLoopNest, EdgeTablesMatchBitForBit) {
    const Shares shares = {0.4, 0.3, 0.15, 0.1, 0.05};
    const Chips edges[] = {
        {},                             // no players: 0/0 in place 1
        {0, 0, 0, 0, 0, 0, 0, 0, 0, 7}, // one player
        {5, -5},                        // total 0
        {3, -10},                       // negative total, biased towards zero
        {-1, -2, -3, -4, -5, -6},       // nothing but negatives
        {10, -4, 0, -6, 3, 0, 1},       // remainders that reach 0 part-way
        {2147483647, 2147483647, 2147483647, 2147483647, 2147483647, 2147483647, 2147483647,
         2147483647, 2147483647, 2147483647},
        {-2147483647 - 1, 2147483647, 1, 1, 1},
        {1, 1, 1, 1, 1, 1, 1, 1, 1, 1},
        {0, 40, -1, 7, 0, 30, 12}, // a negative count takes part but earns nothing
    };
    for (const Chips& chips : edges)
        EXPECT_TRUE(MatchesLoopNest(chips, shares));
    const double nan = 0.0 / 0.0 * 0.0;
    EXPECT_TRUE(MatchesLoopNest({40, 30, 10}, {nan, nan, nan, nan, nan})); // payouts summing to 0
}

// 20,000 tables, a quarter of them with negative counts, every eighth (none of those) against
// the slower whole-table engine too, in a test run; scripts/icm-tables.sh
// runs a million (the environment variable TALLYVANE_ICM_TABLES sets the number and
// TALLYVANE_ICM_SEED the seed). Stops at the first difference.
TEST(IcmLoopNest, RandomTablesMatchBitForBit) {
    const char* count = std::getenv("TALLYVANE_ICM_TABLES");
    const char* seed = std::getenv("TALLYVANE_ICM_SEED");
    const std::uint64_t start = seed ? std::strtoull(seed, nullptr, 10) : 20240611;
    RandomTables random(start);
    for (long t = 0, tables = count ? std::atol(count) : 20000; t < tables; ++t) {
        const Chips chips = random.Next(t % 4 == 3);
        if (!MatchesLoopNest(chips, random.NextShares(), t % 8 == 0))
            FAIL() << "table " << t << " of seed " << start;
    }
}

TEST(IcmExact, RefusesMoreThanTwentyFourPlayersOrPlaces) {
    EXPECT_THROW(ComputeICMPlaceTable(std::vector<int>(25, 1), 3), std::invalid_argument);
    EXPECT_THROW(ComputeICMPlaceTable(std::vector<int>(3, 1), 25), std::invalid_argument);
    EXPECT_THROW(ComputeICMPlaceTable(std::vector<int>(3, 1), -1), std::invalid_argument);
    EXPECT_EQ(ComputeICMPlaceTable(std::vector<int>(24, 0), 24), std::vector<double>(24 * 24));
}

} // namespace
