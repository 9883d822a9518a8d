// The whole-table engine: an independent derivation of the model, so agreeing with the dialog
// engine on its tables checks both. Beyond them the field engine is checked against it.
#include "icm_exact.h"
#include "icm_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
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

TEST(IcmExact, RefusesMoreThanTwentyFourPlayersOrPlaces) {
    EXPECT_THROW(ComputeICMPlaceTable(std::vector<int>(25, 1), 3), std::invalid_argument);
    EXPECT_THROW(ComputeICMPlaceTable(std::vector<int>(3, 1), 25), std::invalid_argument);
    EXPECT_THROW(ComputeICMPlaceTable(std::vector<int>(3, 1), -1), std::invalid_argument);
    EXPECT_EQ(ComputeICMPlaceTable(std::vector<int>(24, 0), 24), std::vector<double>(24 * 24));
}

} // namespace
