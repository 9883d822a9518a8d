// Bubble factors and risk premiums: against their definition on random tables, and worked cases.
#include "icm_bubble.h"
#include "icm_bubble_reference.h"
#include "icm_exact.h"
#include "icm_pair.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>
#include <random>
#include <vector>

namespace {

std::vector<std::size_t> Holders(const std::vector<int>& chips) {
    std::vector<std::size_t> seats;
    for (std::size_t i = 0; i < chips.size(); ++i)
        if (chips[i] > 0)
            seats.push_back(i);
    return seats;
}

std::vector<double> Shares(std::vector<double> payouts) {
    const double sum = std::accumulate(payouts.begin(), payouts.end(), 0.0);
    for (double& payout : payouts)
        payout /= sum;
    return payouts;
}

// Up to 12 seats, some empty, busts (equal stacks) common; 1 to 12 paid places;
// now all players, now a random few of them in random order.
TEST(BubbleMatrix, AgreesWithTheDefinitionOnRandomTables) {
    std::mt19937_64 rng(1601);
    for (int t = 0; t < 100; ++t) {
        std::vector<int> chips(2 + rng() % 11);
        const int most = t % 3 == 0 ? 5 : 100000;
        for (int& count : chips)
            count = rng() % 4 == 0 ? 0 : static_cast<int>(1 + rng() % most);
        // Falling payouts: with equal ones a player may have nothing to gain, and the ratio
        // would compare rounding errors.
        std::vector<double> payouts(1 + rng() % 12);
        double payout = 0;
        for (auto it = payouts.rbegin(); it != payouts.rend(); ++it)
            *it = payout += static_cast<double>(1 + rng() % 100);
        const std::vector<double> shares = Shares(payouts);
        std::vector<std::size_t> seats = Holders(chips);
        std::shuffle(seats.begin(), seats.end(), rng);
        if (t % 2)
            seats.resize(seats.size() / 2 + rng() % (seats.size() / 2 + 1));

        const BubbleMatrix got = ComputeBubbleMatrix(chips, shares, seats);
        const std::vector<double> want =
            ReferenceBubbleFactors(chips, shares, seats, ComputeICMEquities);
        ASSERT_EQ(got.seats, seats);
        for (std::size_t k = 0; k < want.size(); ++k) {
            if (std::isnan(want[k])) {
                EXPECT_TRUE(std::isnan(got.factor[k]) && std::isnan(got.premium[k]));
                continue;
            }
            ASSERT_NEAR(got.factor[k], want[k], 1e-9 * std::abs(want[k]))
                << "table " << t << " cell " << k;
        }
    }
}

// Beyond a dozen players the field engine's nodes serve the matrix. Against the exact walk
// over sets, with every place paid among them (a player who loses down to a stack below the
// field's smallest is the hard case there) and with few.
TEST(BubbleMatrix, FieldEngineAgreesWithTheSetWalk) {
    std::mt19937_64 rng(1603);
    for (int t = 0; t < 4; ++t) {
        std::vector<int> chips(13 + t % 2);
        for (int& count : chips)
            count = static_cast<int>(1000 * std::pow(10.0, (rng() % 2001) / 1000.0));
        std::vector<double> payouts(t < 2 ? chips.size() : 2 + rng() % 5);
        for (std::size_t m = 0; m < payouts.size(); ++m)
            payouts[m] = 1 / std::pow(m + 1.0, 1.1);
        const std::vector<double> shares = Shares(payouts);
        const std::vector<std::size_t> seats = Holders(chips);
        const BubbleMatrix got = ComputeBubbleMatrix(chips, shares, seats);
        const BubbleMatrix want =
            ComputeBubbleMatrix(chips, shares, seats, *MakeSetWalkPairEngine(chips, shares));
        for (std::size_t k = 0; k < want.factor.size(); ++k) {
            if (!std::isnan(want.factor[k])) {
                ASSERT_NEAR(got.factor[k], want.factor[k], 1e-8 * want.factor[k]) << t << " " << k;
            }
        }
    }
}

// Only first place paid: equity is linear in chips, so a chip won is worth a chip lost, exactly,
// also where the winner's stack passes 32 bits. Three equal stacks, two paid equally: busting
// the third player locks in 1/2, busting oneself leaves 0, against 1/3 now: BF 2. Rows and
// columns count the seats with chips.
TEST(BubbleMatrix, WorkedCases) {
    const struct {
        std::vector<int> chips;
        std::vector<double> payouts;
        std::size_t row, column;
        double factor, premium, tolerance;
    } cases[] = {
        {{5, 20, 1, 40}, {1}, 2, 3, 1.0, 0.0, 0.0},
        {{9, 0, 2147483647}, {1, 0, 0}, 1, 0, 1.0, 0.0, 0.0},
        {{10, 10, 10}, {1, 1}, 0, 2, 2.0, 1.0 / 6, 1e-12},
    };
    for (const auto& c : cases) {
        const BubbleMatrix m = ComputeBubbleMatrix(c.chips, Shares(c.payouts), Holders(c.chips));
        const std::size_t size = m.seats.size(), cell = c.row * size + c.column;
        EXPECT_NEAR(m.factor[cell], c.factor, c.tolerance) << c.chips[0] << " row " << c.row;
        EXPECT_NEAR(m.premium[cell], c.premium, c.tolerance) << c.chips[0] << " row " << c.row;
        EXPECT_TRUE(std::isnan(m.factor[c.row * size + c.row]));
    }
}

} // namespace
