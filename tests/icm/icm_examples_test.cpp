#include "icm_test_support.h"

#include <gtest/gtest.h>

#include <numeric>

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
}

TEST(IcmFewPlayers, PlacesBeyondThePlayersPayNobody) {
    ExpectExactly(Equity({0, 0, 0, 0, 100}, k532), {0, 0, 0, 0, 0.5});

    const Chips three = {13, 0, 8, 21};
    ExpectExactly(Equity(three, {0, 0, 0, 0.6, 0.4}), {});
    const Equities e = Equity(three, kHalving);
    EXPECT_NEAR(std::accumulate(e.begin(), e.end(), 0.0), 0.875, 1e-15);
}

TEST(IcmSeats, EqualStacksGetEqualShares) {
    const double sixth = 0.16666666666666666;
    ExpectExactly(Equity({7, 7, 7, 7, 7, 7}, kHalving), {sixth, sixth, sixth, sixth, sixth, sixth});
}

TEST(IcmSeats, EmptySeatsBetweenPlayersChangeNothing) {
    const Shares shares = {0.4, 0.3, 0.15, 0.1, 0.05};
    const Equities p = Equity({5, 7, 11, 13, 17, 19}, shares);
    ExpectExactly(Equity({5, 7, 0, 11, 0, 13, 0, 0, 17, 19}, shares),
                  {p[0], p[1], 0, p[2], 0, p[3], 0, 0, p[4], p[5]});
}

TEST(IcmSeats, AllSeatsEmptyGiveZerosNotNaN) {
    ExpectExactly(Equity({}, k532), {});
}

} // namespace
