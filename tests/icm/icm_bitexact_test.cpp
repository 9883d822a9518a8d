#include "icm_loop_nest.h"
#include "icm_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

using Table = double[ICM_PLAYERS][ICM_PLACES];

// Compares the whole place table and the equities with those of the loop nest bit for bit
// (memcmp tells -0 from 0 and NaNs apart); reports the table and returns false on a difference.
bool MatchesLoopNest(const Chips& chips, const Shares& shares) {
    Table want, got;
    LoopNestICMPlaces(chips.data(), want);
    std::fill(&got[0][0], &got[0][0] + ICM_PLAYERS * ICM_PLACES, -12345.0);
    ComputeICMPlaces(chips.data(), got);
    Equities wantEquity;
    LoopNestICMEquity(chips.data(), wantEquity.data(), shares.data());
    const Equities gotEquity = Equity(chips, shares);
    if (std::memcmp(got, want, sizeof got) == 0 &&
        std::memcmp(gotEquity.data(), wantEquity.data(), sizeof gotEquity) == 0)
        return true;
    ADD_FAILURE() << "chips " << testing::PrintToString(chips) << "\nplaces "
                  << testing::PrintToString(got) << "\ninstead of " << testing::PrintToString(want)
                  << "\nequities " << testing::PrintToString(gotEquity) << "\ninstead of "
                  << testing::PrintToString(wantEquity);
    return false;
}

// Checks `tables` random tables, a quarter of them with negative counts; stops at the first
// difference.
void CompareRandomTables(std::uint64_t seed, long tables) {
    RandomTables random(seed);
    for (long t = 0; t < tables; ++t) {
        const Chips chips = random.Next(t % 4 == 3);
        if (!MatchesLoopNest(chips, random.NextShares()))
            FAIL() << "table " << t << " of seed " << seed;
    }
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
    };
    for (const Chips& chips : edges)
        EXPECT_TRUE(MatchesLoopNest(chips, shares));
    const double nan = 0.0 / 0.0 * 0.0;
    EXPECT_TRUE(MatchesLoopNest({40, 30, 10}, {nan, nan, nan, nan, nan})); // payouts summing to 0
}

// 20,000 tables in a test run; scripts/icm-tables.sh runs a million (the environment variable
// TALLYVANE_ICM_TABLES sets the number and TALLYVANE_ICM_SEED the seed).
TEST(IcmLoopNest, RandomTablesMatchBitForBit) {
    const char* count = std::getenv("TALLYVANE_ICM_TABLES");
    const char* seed = std::getenv("TALLYVANE_ICM_SEED");
    CompareRandomTables(seed ? std::strtoull(seed, nullptr, 10) : 20240611,
                        count ? std::atol(count) : 20000);
}

} // namespace
