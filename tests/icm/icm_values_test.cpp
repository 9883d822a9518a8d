// The dialog engine's equities: worked examples, an independent model, negative counts.
#include "icm_exact.h"
#include "icm_test_support.h"

#include <gtest/gtest.h>

#include <numeric>
#include <vector>

namespace {

const Shares k532 = {0.5, 0.3, 0.2, 0, 0};
const Shares kHalving = {0.5, 0.25, 0.125, 0.0625, 0.0625};

void ExpectExactly(const Equities& got, const Equities& want) {
    for (int i = 0; i < ICM_PLAYERS; ++i)
        EXPECT_EQ(got[i], want[i]) << "seat " << i + 1;
}

TEST(IcmWorkedExamples, AreExactToTheLastBit) {
    ExpectExactly(Equity({50, 30, 20}, k532),
                  {0.3839285714285714, 0.32749999999999996, 0.2885714285714286});
    ExpectExactly(Equity({40, 30, 10, 10, 5, 5}, kHalving),
                  {0.3052335349548972, 0.2626070942731159, 0.13479569911942205, 0.13479569911942205,
                   0.0812839862665714, 0.0812839862665714});
    const double sixth = 0.16666666666666666; // equal stacks, equal shares
    ExpectExactly(Equity({7, 7, 7, 7, 7, 7}, kHalving), {sixth, sixth, sixth, sixth, sixth, sixth});
    // Total -7 is taken as -6: first place 3/-6 = -0.5, second (3/(-6+10)) * (-10/-6) = 1.25.
    ExpectExactly(Equity({3, -10}, {0.5, 0.5, 0, 0, 0}), {0.375, 0});
}

TEST(IcmFewPlayers, PlacesBeyondThePlayersPayNobody) {
    ExpectExactly(Equity({0, 0, 0, 0, 100}, k532), {0, 0, 0, 0, 0.5});
    const Chips three = {13, 0, 8, 21};
    ExpectExactly(Equity(three, {0, 0, 0, 0.6, 0.4}), {});
    const Equities e = Equity(three, kHalving);
    EXPECT_NEAR(std::accumulate(e.begin(), e.end(), 0.0), 0.875, 1e-15);
}

TEST(IcmSeats, EmptySeatsBetweenPlayersChangeNothing) {
    const Equities p = Equity({5, 7, 11, 13, 17, 19}, kHalving);
    ExpectExactly(Equity({5, 7, 0, 11, 0, 13, 0, 0, 17, 19}, kHalving),
                  {p[0], p[1], 0, p[2], 0, p[3], 0, 0, p[4], p[5]});
}

// Both engines let a negative count take part but pay it nothing.
TEST(IcmNegativeCounts, TakePartButEarnNothingInBothEngines) {
    const Equities dialog = Equity({-5, 10, 20}, k532);
    const std::vector<double> whole =
        ComputeICMEquities(std::vector<int>{-5, 10, 20}, std::vector<double>{0.5, 0.3, 0.2});
    for (const double* e : {dialog.data(), whole.data()}) {
        EXPECT_EQ(e[0], 0.0);
        EXPECT_NEAR(e[1], 0.47333333333333333, 1e-14);
        EXPECT_NEAR(e[2], 0.48, 1e-14);
    }
}

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

TEST(IcmReference, AgreesWithAnIndependentHarvilleWalk) {
    // Valid for tables with a non-negative total.
    const std::pair<Chips, Shares> tables[] = {
        {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, {0.38, 0.24, 0.17, 0.12, 0.09}},
        {{900, 0, 15, 4000, 0, 230, 77, 0, 1, 1200}, {0.38, 0.24, 0.17, 0.12, 0.09}},
        {{2147483647, 2147483647, 2147483647, 1, 1, 1}, {0.38, 0.24, 0.17, 0.12, 0.09}},
        {{0, 0, 0, 0, 0, 0, 0, 0, 31, 2}, {0.7, 0.3, 0, 0, 0}},
        {{-5, 10, 20}, k532},
    };
    for (const auto& [c, shares] : tables) {
        Places places{};
        Finish(c, 0, std::accumulate(c.begin(), c.end(), 0.0L), 1.0L, 0, places);
        const Equities got = Equity(c, shares);
        for (int i = 0; i < ICM_PLAYERS; ++i) {
            long double want = 0;
            for (int j = 0; c[i] > 0 && j < ICM_PLACES; ++j)
                want += places[i][j] * shares[j];
            EXPECT_NEAR(got[i], static_cast<double>(want), 1e-13) << "seat " << i + 1;
        }
    }
}

TEST(IcmScaling, TotalsBeyondThirtyTwoBitsStayExact) {
    // Scaling every count by k leaves each quotient c/R unchanged once rounded, as long as
    // k*c and k*R are exact doubles; here the scaled total passes 2^31.
    const Chips small = {9, 7, 5, 4, 3, 2, 1, 1, 1, 1};
    Chips large;
    for (int i = 0; i < ICM_PLAYERS; ++i)
        large[i] = small[i] * 200000000;
    ExpectExactly(Equity(large, kHalving), Equity(small, kHalving));
}

} // namespace
