#include "icm_test_support.h"

#include <gtest/gtest.h>

namespace {

using Places = std::array<std::array<long double, ICM_PLACES>, ICM_PLAYERS>;

// Independent Harville model: walks finishing orders from the top, carrying the probability
// of the order so far, and credits each finisher with it at its place.
void Finish(const Chips& c, unsigned placed, long double remaining, long double order, int place,
            Places& out) {
    for (int i = 0; place < ICM_PLACES && i < ICM_PLAYERS; ++i) {
        if (c[i] == 0 || (placed & (1u << i)))
            continue;
        const long double p = order * c[i] / remaining;
        out[i][place] += p;
        Finish(c, placed | (1u << i), remaining - c[i], p, place + 1, out);
    }
}

// Valid for tables with a non-negative total.
void ExpectNearReference(const Chips& c, const Shares& shares) {
    Places places{};
    long double total = 0;
    for (int count : c)
        total += count;
    Finish(c, 0, total, 1.0L, 0, places);
    const Equities got = Equity(c, shares);
    for (int i = 0; i < ICM_PLAYERS; ++i) {
        long double want = 0;
        for (int j = 0; c[i] > 0 && j < ICM_PLACES; ++j)
            want += places[i][j] * shares[j];
        EXPECT_NEAR(got[i], static_cast<double>(want), 1e-13) << "seat " << i + 1;
    }
}

TEST(IcmReference, AgreesWithAnIndependentHarvilleWalk) {
    const Shares shares = {0.38, 0.24, 0.17, 0.12, 0.09};
    ExpectNearReference({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, shares);
    ExpectNearReference({900, 0, 15, 4000, 0, 230, 77, 0, 1, 1200}, shares);
    ExpectNearReference({2147483647, 2147483647, 2147483647, 1, 1, 1}, shares);
    ExpectNearReference({0, 0, 0, 0, 0, 0, 0, 0, 31, 2}, {0.7, 0.3, 0, 0, 0});
}

TEST(IcmReference, NegativeCountTakesPartButEarnsNothing) {
    const Equities e = Equity({-5, 10, 20}, {0.5, 0.3, 0.2, 0, 0});
    EXPECT_EQ(e[0], 0.0);
    EXPECT_NEAR(e[1], 0.47333333333333333, 1e-14);
    EXPECT_NEAR(e[2], 0.48, 1e-14);
    ExpectNearReference({-5, 10, 20}, {0.5, 0.3, 0.2, 0, 0});
}

TEST(IcmReference, NegativeTotalIsBiasedTowardsZero) {
    // Total -7 is taken as -6: first place 3/-6 = -0.5, second (3/(-6+10)) * (-10/-6) = 1.25.
    const Equities e = Equity({3, -10}, {0.5, 0.5, 0, 0, 0});
    EXPECT_EQ(e[0], 0.375);
    EXPECT_EQ(e[1], 0.0);
}

TEST(IcmScaling, TotalsBeyondThirtyTwoBitsStayExact) {
    // Scaling every count by k leaves each quotient c/R unchanged once rounded, as long as
    // k*c and k*R are exact doubles; here the scaled total passes 2^31.
    const Chips small = {9, 7, 5, 4, 3, 2, 1, 1, 1, 1};
    Chips large;
    for (int i = 0; i < ICM_PLAYERS; ++i)
        large[i] = small[i] * 200000000;
    const Shares shares = {0.4, 0.3, 0.15, 0.1, 0.05};
    const Equities a = Equity(small, shares), b = Equity(large, shares);
    for (int i = 0; i < ICM_PLAYERS; ++i)
        EXPECT_EQ(a[i], b[i]) << "seat " << i + 1;
}

} // namespace
