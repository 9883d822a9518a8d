// Deals in whole cents: sharing cents out, the three columns. Amounts read as cents are the
// command line's tests' (its pool and set-aside).
#include "icm_deal.h"
#include "icm_exact.h"
#include "icm_field.h"
#include "icm_money.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <random>
#include <vector>

namespace {

// Floors first, then the largest remainders, ties to the lower index; more cents than takers
// go round again, too few are taken back from the smallest remainders.
TEST(ShareCents, LargestRemaindersTiesToTheLowerSeat) {
    const struct {
        std::vector<double> amounts;
        std::vector<std::size_t> takers;
        Cents total;
        std::vector<Cents> want;
    } cases[] = {
        {{1.5, 1.5, 1.0}, {0, 1, 2}, 4, {2, 1, 1}},
        {{0.2, 3.7, 0.0, 1.1}, {0, 1, 3}, 5, {0, 4, 0, 1}},
        {{0.9, 0.9}, {0, 1}, 3, {2, 1}},
        {{1.1, 1.2}, {0, 1}, 1, {0, 1}},
        {{5.0, 5.0, 5.0}, {0, 1, 2}, -1, {0, 0, -1}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ShareCents(c.amounts, c.takers, c.total), c.want) << c.total;
}

// Two players with three places paid: place 3 is paid out already, 800 is in play, chip chop
// 300 + chip share of 200.
TEST(IcmDeal, TwoPlayersWithThreePlacesPaid) {
    const std::vector<double> shares = {0.5, 0.3, 0.2};
    const std::vector<int> two = {3, 0, 1};
    const IcmDeal b = ComputeIcmDeal(two, ComputeICMEquities(two, shares), shares, 100000);
    EXPECT_EQ(b.dealt, 80000);
    EXPECT_EQ(b.icm, (std::vector<Cents>{45000, 0, 35000}));
    EXPECT_EQ(b.chipChop, b.icm);
}

// Every column sums exactly to what is dealt and lies within a cent of its real amount; the
// guaranteed column is the ICM deal of the payouts with the set-aside taken from first place.
TEST(IcmDeal, ColumnsSumExactlyOnRandomFields) {
    std::mt19937_64 rng(1602);
    for (int t = 0; t < 60; ++t) {
        // The last field is a whole tournament's, on the field engine.
        std::vector<int> chips(t < 59 ? 1 + rng() % 16 : 10000);
        for (int& count : chips)
            count = rng() % 5 == 0 ? 0 : static_cast<int>(1 + rng() % 1000000);
        std::vector<double> payouts(t < 59 ? 1 + rng() % 8 : 15);
        for (double& payout : payouts)
            payout = static_cast<double>(rng() % 1000);
        payouts[0] += 1;
        std::vector<double> shares(payouts.size()), reduced(payouts.size());
        NormalizePayouts(payouts.data(), shares.data(), static_cast<int>(payouts.size()));
        const Cents pool = static_cast<Cents>(1 + rng() % 10'000'000'000);
        const auto Equities = chips.size() <= 16 ? ComputeICMEquities : ComputeFieldEquities;
        const std::vector<double> equity = Equities(chips, shares);
        const bool nobody = std::count(chips.begin(), chips.end(), 0) == std::ssize(chips);
        const Cents aside =
            nobody ? 0 : static_cast<Cents>(rng() % (FirstPlaceCents(shares, pool) + 1));
        const IcmDeal deal = ComputeIcmDeal(chips, equity, shares, pool, aside);

        shares[0] -= static_cast<double>(aside) / static_cast<double>(pool);
        NormalizePayouts(shares.data(), reduced.data(), static_cast<int>(shares.size()));
        const std::vector<double> kept = Equities(chips, reduced);
        for (std::size_t i = 0; i < chips.size(); ++i) {
            EXPECT_NEAR(static_cast<double>(deal.icm[i]), equity[i] * pool, 1.0) << t;
            EXPECT_NEAR(static_cast<double>(deal.guaranteed[i]),
                        kept[i] * static_cast<double>(pool - aside), 1.0)
                << t;
            if (chips[i] == 0) {
                EXPECT_EQ(deal.icm[i] | deal.chipChop[i] | deal.guaranteed[i], 0);
            }
        }
        EXPECT_EQ(std::accumulate(deal.icm.begin(), deal.icm.end(), Cents{0}), deal.dealt);
        EXPECT_EQ(std::accumulate(deal.chipChop.begin(), deal.chipChop.end(), Cents{0}),
                  deal.dealt);
        EXPECT_EQ(std::accumulate(deal.guaranteed.begin(), deal.guaranteed.end(), Cents{0}),
                  deal.dealt - aside);
        const auto empty = static_cast<std::size_t>(std::count(chips.begin(), chips.end(), 0));
        if (empty + payouts.size() <= chips.size()) {
            EXPECT_EQ(deal.dealt, pool);
        }
    }
}

} // namespace
