#include "icm_exact.h"
#include "icm_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <stdexcept>
#include <vector>

namespace {

bool Close(double a, double b, double relative) {
    return std::abs(a - b) <= relative * std::max(std::abs(a), std::abs(b));
}

TEST(IcmExact, AgreesWithTheDialogEngineOnTenByFiveTables) {
    RandomTables random(5021);
    for (int t = 0; t < 3000; ++t) {
        const Chips chips = random.Next(false);
        const Shares shares = random.NextShares();
        double want[ICM_PLAYERS][ICM_PLACES];
        ComputeICMPlaces(chips.data(), want);
        const std::vector<double> got = ComputeICMPlaceTable(chips, ICM_PLACES);
        const std::vector<double> equity = ComputeICMEquities(chips, shares);
        const Equities wantEquity = Equity(chips, shares);
        for (int i = 0; i < ICM_PLAYERS; ++i) {
            // The dialog's first place is c / T even for empty seats; they take no place.
            for (int j = chips[i] == 0 ? 1 : 0; j < ICM_PLACES; ++j)
                ASSERT_TRUE(Close(got[i * ICM_PLACES + j], want[i][j], 1e-12))
                    << "table " << t << " seat " << i + 1 << " place " << j + 1 << ": "
                    << got[i * ICM_PLACES + j] << " vs " << want[i][j];
            ASSERT_TRUE(Close(equity[i], wantEquity[i], 1e-12)) << "table " << t;
        }
    }
}

// Every place is taken by exactly one player while players last, and every player takes
// exactly one place when all are paid; so columns sum to 1 and, with every place paid, so do
// rows. Equities then sum to the shares of the places that players can fill.
TEST(IcmExact, LargeTablesAreProbabilityTables) {
    std::mt19937_64 rng(77);
    for (int t = 0; t < 40; ++t) {
        const int players = 1 + static_cast<int>(rng() % 17);
        const int places = 1 + static_cast<int>(rng() % ICM_MAX_PLACES);
        std::vector<int> chips(players);
        for (int& count : chips)
            count = rng() % 3 == 0 ? 0 : static_cast<int>(1 + rng() % (t % 2 ? 50 : 100000000));
        const int holders = players - static_cast<int>(std::count(chips.begin(), chips.end(), 0));
        const std::vector<double> table = ComputeICMPlaceTable(chips, places);
        ASSERT_EQ(table.size(), static_cast<std::size_t>(players * places));
        std::vector<double> rows(players), columns(places);
        for (int k = 0; k < players * places; ++k) {
            rows[k / places] += table[k];
            columns[k % places] += table[k];
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
}

TEST(IcmExact, EqualStacksShareEveryPlaceEqually) {
    const std::vector<int> chips(20, 3000);
    const std::vector<double> table = ComputeICMPlaceTable(chips, 20);
    for (double p : table)
        EXPECT_NEAR(p, 0.05, 1e-13);
}

TEST(IcmExact, EmptySeatsChangeNothing) {
    const std::vector<int> packed = {5, 7, 11, 13, 17, 19, 23, 29, 31, 37, 41, 43};
    std::vector<int> spread; // an empty seat before each player
    for (int count : packed)
        spread.insert(spread.end(), {0, count});
    const std::vector<double> a = ComputeICMPlaceTable(packed, 12);
    const std::vector<double> b = ComputeICMPlaceTable(spread, 12);
    for (std::size_t k = 0; k < a.size(); ++k) { // row k / 12 is row 2 * (k / 12) + 1 in b
        EXPECT_EQ(b[k + (k / 12 + 1) * 12], a[k]);
        EXPECT_EQ(b[k + k / 12 * 12], 0.0);
    }
}

TEST(IcmExact, RefusesMoreThanTwentyFourPlayersOrPlaces) {
    EXPECT_THROW(ComputeICMPlaceTable(std::vector<int>(25, 1), 3), std::invalid_argument);
    EXPECT_THROW(ComputeICMPlaceTable(std::vector<int>(3, 1), 25), std::invalid_argument);
    EXPECT_THROW(ComputeICMPlaceTable(std::vector<int>(3, 1), -1), std::invalid_argument);
    EXPECT_EQ(ComputeICMPlaceTable(std::vector<int>(24, 0), 24), std::vector<double>(24 * 24));
}

} // namespace
