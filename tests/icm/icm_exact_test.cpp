// The whole-table engine: an independent derivation of the model, so agreeing with the dialog
// engine on its tables checks both; beyond them, what every probability table must satisfy.
#include "icm_exact.h"
#include "icm_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <stdexcept>
#include <vector>

namespace {

// Relative agreement where both are finite: around a negative count the two orders of
// operations may reach different infinities or not-a-numbers, or cancel differently.
bool Close(double a, double b) {
    if (!std::isfinite(a) || !std::isfinite(b))
        return true;
    return std::abs(a - b) <= 1e-12 * std::max(std::abs(a), std::abs(b));
}

TEST(IcmExact, AgreesWithTheDialogEngineOnTenByFiveTables) {
    // Random tables, then two with negative counts, which take part but earn nothing.
    const Chips negatives[] = {{-5, 10, 20}, {0, 40, -1, 7, 0, 30, 12}};
    RandomTables random(5021);
    for (int t = 0; t < 3002; ++t) {
        const Chips chips = t < 3000 ? random.Next(false) : negatives[t - 3000];
        const Shares shares = random.NextShares();
        double want[ICM_PLAYERS][ICM_PLACES];
        ComputeICMPlaces(chips.data(), want);
        const std::vector<double> got = ComputeICMPlaceTable(chips, ICM_PLACES);
        const std::vector<double> equity = ComputeICMEquities(chips, shares);
        const Equities wantEquity = Equity(chips, shares);
        for (int i = 0; i < ICM_PLAYERS; ++i) {
            // The dialog's first place is c / T even for empty seats; they take no place.
            for (int j = chips[i] == 0 ? 1 : 0; j < ICM_PLACES; ++j)
                ASSERT_TRUE(Close(got[i * ICM_PLACES + j], want[i][j]))
                    << "table " << t << " seat " << i + 1 << " place " << j + 1 << ": "
                    << got[i * ICM_PLACES + j] << " vs " << want[i][j];
            ASSERT_TRUE(Close(equity[i], wantEquity[i])) << "table " << t << " seat " << i + 1;
        }
    }
}

// Every place is taken by exactly one player while players last, and every player takes
// exactly one place when all are paid; so columns sum to 1 and, with every place paid, so do
// rows. Equities then sum to the shares of the places that players can fill. Empty seats take
// no place and change nothing: the table without them has the same rows, to the bit.
TEST(IcmExact, LargeTablesAreProbabilityTables) {
    std::mt19937_64 rng(77);
    for (int t = 0; t < 40; ++t) {
        const int players = 1 + static_cast<int>(rng() % 17);
        const int places = 1 + static_cast<int>(rng() % ICM_MAX_PLACES);
        std::vector<int> chips(players), packed;
        for (int& count : chips) {
            count = rng() % 3 == 0 ? 0 : static_cast<int>(1 + rng() % (t % 2 ? 50 : 100000000));
            if (count != 0)
                packed.push_back(count);
        }
        const int holders = static_cast<int>(packed.size());
        const std::vector<double> table = ComputeICMPlaceTable(chips, places);
        const std::vector<double> packedTable = ComputeICMPlaceTable(packed, places);
        ASSERT_EQ(table.size(), static_cast<std::size_t>(players * places));
        std::vector<double> rows(players), columns(places);
        for (int i = 0, row = 0; i < players; ++i) {
            const auto from = table.begin() + i * places;
            if (chips[i] != 0) {
                EXPECT_TRUE(std::equal(from, from + places, packedTable.begin() + row++ * places));
            }
            for (int j = 0; j < places; ++j) {
                rows[i] += from[j];
                columns[j] += from[j];
            }
        }
        for (int j = 0; j < places; ++j)
            EXPECT_NEAR(columns[j], j < holders ? 1.0 : 0.0, 1e-12) << "place " << j + 1;
        for (int i = 0; i < players; ++i) {
            if (chips[i] == 0) {
                EXPECT_EQ(rows[i], 0.0);
            } else if (places >= holders) {
                EXPECT_NEAR(rows[i], 1.0, 1e-12) << "seat " << i + 1;
            }
        }
        std::vector<double> shares(places);
        for (double& share : shares)
            share = static_cast<double>(rng() % 1000) / 1000;
        const std::vector<double> equity = ComputeICMEquities(chips, shares);
        const double paid =
            std::accumulate(shares.begin(), shares.begin() + std::min(places, holders), 0.0);
        EXPECT_NEAR(std::accumulate(equity.begin(), equity.end(), 0.0), paid, 1e-12 * players);
    }
    // Equal stacks share every place equally.
    for (double p : ComputeICMPlaceTable(std::vector<int>(20, 3000), 20))
        EXPECT_NEAR(p, 0.05, 1e-13);
}

TEST(IcmExact, RefusesMoreThanTwentyFourPlayersOrPlaces) {
    EXPECT_THROW(ComputeICMPlaceTable(std::vector<int>(25, 1), 3), std::invalid_argument);
    EXPECT_THROW(ComputeICMPlaceTable(std::vector<int>(3, 1), 25), std::invalid_argument);
    EXPECT_THROW(ComputeICMPlaceTable(std::vector<int>(3, 1), -1), std::invalid_argument);
    EXPECT_EQ(ComputeICMPlaceTable(std::vector<int>(24, 0), 24), std::vector<double>(24 * 24));
}

} // namespace
