#include "icm_test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>

namespace {

const Shares k532 = {0.5, 0.3, 0.2, 0, 0};
const Shares kHalving = {0.5, 0.25, 0.125, 0.0625, 0.0625};

TEST(IcmWorkedExamples, ThreePlayersAreExact) {
    const Equities e = Equity({50, 30, 20}, k532);
    EXPECT_EQ(e[0], 0.3839285714285714);
    EXPECT_EQ(e[1], 0.32749999999999996);
    EXPECT_EQ(e[2], 0.2885714285714286);
    for (int i = 3; i < ICM_PLAYERS; ++i)
        EXPECT_EQ(e[i], 0.0) << "seat " << i;
}

TEST(IcmWorkedExamples, SixPlayersFillingAllFivePlacesAreExact) {
    const Equities e = Equity({40, 30, 10, 10, 5, 5}, kHalving);
    const Equities expected = {0.3052335349548972,  0.2626070942731159, 0.13479569911942205,
                               0.13479569911942205, 0.0812839862665714, 0.0812839862665714};
    for (int i = 0; i < ICM_PLAYERS; ++i)
        EXPECT_EQ(e[i], expected[i]) << "seat " << i;
}

TEST(IcmFewPlayers, OneStackTakesFirstPlaceOnly) {
    const Equities e = Equity({0, 0, 0, 0, 100}, k532);
    for (int i = 0; i < ICM_PLAYERS; ++i)
        EXPECT_EQ(e[i], i == 4 ? 0.5 : 0.0) << "seat " << i;
}

TEST(IcmFewPlayers, PlacesBeyondThePlayersPayNobody) {
    const Chips chips = {13, 0, 8, 21};
    // Only places 4 and 5 pay: three players can never reach them.
    const Equities lowOnly = Equity(chips, {0, 0, 0, 0.6, 0.4});
    for (double value : lowOnly)
        EXPECT_EQ(value, 0.0);

    const Equities e = Equity(chips, kHalving);
    EXPECT_NEAR(std::accumulate(e.begin(), e.end(), 0.0), 0.875, 1e-15);
}

TEST(IcmFewPlayers, FirstPlaceOnlyPaysTheChipShare) {
    const Equities e = Equity({3, 0, 7, 2}, {1, 0, 0, 0, 0});
    EXPECT_EQ(e[0], 3.0 / 12.0);
    EXPECT_EQ(e[2], 7.0 / 12.0);
    EXPECT_EQ(e[3], 2.0 / 12.0);
}

TEST(IcmSeats, EqualStacksGetEqualShares) {
    const Equities e = Equity({7, 7, 7, 7, 7, 7}, kHalving);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(e[i], 0.16666666666666666) << "seat " << i;
}

TEST(IcmSeats, EmptySeatsBetweenPlayersChangeNothing) {
    const Shares shares = {0.4, 0.3, 0.15, 0.1, 0.05};
    const Equities spread = Equity({5, 7, 0, 11, 0, 13, 0, 0, 17, 19}, shares);
    const Equities packed = Equity({5, 7, 11, 13, 17, 19}, shares);
    const int seats[] = {0, 1, 3, 5, 8, 9};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(spread[seats[i]], packed[i]) << "player " << i;
    for (int empty : {2, 4, 6, 7})
        EXPECT_EQ(spread[empty], 0.0);
}

TEST(IcmSeats, AllSeatsEmptyGiveZerosNotNaN) {
    const Equities e = Equity({}, k532);
    for (double value : e)
        EXPECT_EQ(value, 0.0);
}

} // namespace
