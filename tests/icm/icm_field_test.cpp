// The field engine: against the whole-table engine, against a long-double integral of its own,
// closed forms at the extremes, and changes of two stacks.
#include "icm_exact.h"
#include "icm_field.h"
#include "icm_field_reference.h"
#include "icm_money.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <random>
#include <vector>

namespace {

using Vector = std::vector<double>;

// Within 1e-10 relative or 1e-15 of the pool, the engine's promise (or closer when asked).
void ExpectClose(const Vector& got, const Vector& want, double relative = 1e-10) {
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t i = 0; i < got.size(); ++i)
        EXPECT_NEAR(got[i], want[i], std::max(relative * std::abs(want[i]), 1e-15))
            << "seat " << i + 1;
}

Vector Payouts(int places, double falloff) { // shares falling as 1 / m^falloff
    Vector payouts(places), shares(places);
    for (int m = 0; m < places; ++m)
        payouts[m] = 1 / std::pow(m + 1.0, falloff);
    NormalizePayouts(payouts.data(), shares.data(), places);
    return shares;
}

// Stacks spread log-uniformly over `ratio`, from `smallest` up.
std::vector<int> Stacks(int players, double ratio, std::uint64_t seed, double smallest = 100) {
    std::mt19937_64 rng(seed);
    std::vector<int> chips(players);
    for (int& count : chips)
        count = static_cast<int>(smallest * std::pow(ratio, std::ldexp(double(rng() >> 11), -53)));
    return chips;
}

// Tables the whole-table engine can take: up to 20 players, stacks up to 1e6 apart, empty
// seats among them.
TEST(IcmField, AgreesWithTheWholeTableEngine) {
    std::mt19937_64 rng(13);
    for (int t = 0; t < 60; ++t) {
        const int players = 1 + static_cast<int>(rng() % (t < 50 ? 12 : 20));
        std::vector<int> chips(players);
        const int range = t % 3 == 0 ? 1000000 : t % 3 == 1 ? 1000 : 5;
        for (int& count : chips)
            count = rng() % 6 == 0 ? 0 : 1 + static_cast<int>(rng() % range);
        const int places = 1 + static_cast<int>(rng() % (players + 2)); // some pay nobody
        Vector shares = Payouts(places, 0.5 * static_cast<double>(rng() % 4));
        if (t % 4 == 3) // shares of both signs, e.g. a bounty paid out of the prize money
            shares[rng() % places] *= -1.5;
        SCOPED_TRACE(testing::Message() << "table " << t);
        ExpectClose(ComputeFieldEquities(chips, shares), ComputeICMEquities(chips, shares), 1e-12);
        const Vector table = ComputeFieldPlaceTable(chips, places);
        const Vector want = ComputeICMPlaceTable(chips, places);
        for (std::size_t e = 0; e < table.size(); ++e)
            ASSERT_NEAR(table[e], want[e], 1e-12) << "seat " << e / places + 1;
    }
}

TEST(IcmField, AgreesWithALongDoubleIntegral) {
    std::vector<std::pair<std::vector<int>, Vector>> fields;
    for (const auto& [players, places, ratio] :
         {std::tuple{120, 18, 1e3}, {250, 40, 100.0}, {100, 100, 1e4}, {300, 4, 1e6}})
        fields.emplace_back(Stacks(players, ratio, places, 10), Payouts(places, 1.1));
    // Two big stacks over a crowd of tiny ones, five paid (found by fuzzing): the grid's stretch
    // climbs steeply between flat stretches there, where its inversion once bounced between
    // them and misplaced nodes, so no halving of the step converged.
    fields.emplace_back(
        std::vector<int>{0,  3,  3,  4,  2,    6,     7,  8,  9,  10, 75, 10, 175, 1,  67, 18,
                         0,  1,  67, 18, 8,    3,     4,  2,  6,  7,  8,  8,  9,   10, 75, 1,
                         67, 18, 8,  3,  4,    2,     6,  7,  8,  9,  10, 75, 1,   8,  9,  10,
                         75, 1,  67, 18, 0,    12,    13, 14, 75, 1,  67, 18, 8,   29, 10, 75,
                         1,  67, 18, 8,  2011, 12011, 12, 13, 14, 75, 1,  67, 18,  8,  20},
        Vector{5 / 13.0, 4 / 13.0, 1 / 13.0, 2 / 13.0, 1 / 13.0});
    for (const auto& [chips, shares] : fields) {
        SCOPED_TRACE(testing::Message()
                     << chips.size() << " players, " << shares.size() << " paid");
        ExpectClose(ComputeFieldEquities(chips, shares), ReferenceEquities(chips, shares));
    }
}

// One odd stack among equal ones: player x takes place m+1 when m of the r = n-1 others go
// first, each step choosing one of the r' left with chance r' c / (x + r' c).
Vector OddStackPlaces(int others, double c, double x, int places) {
    Vector place(places);
    double before = 1;
    for (int m = 0; m < places && m <= others; ++m) {
        const double left = others - m;
        place[m] = before * x / (x + left * c);
        before *= left * c / (x + left * c);
    }
    return place;
}

TEST(IcmField, ExtremeStacksAgreeWithClosedForms) {
    const Vector shares = Payouts(60, 1.1);
    for (const int odd : {1000000, 1, 30000}) {
        std::vector<int> chips(10000, 3000);
        chips[4321] = odd;
        const Vector places = OddStackPlaces(9999, 3000, odd, 60);
        const double want = std::inner_product(places.begin(), places.end(), shares.begin(), 0.0);
        const Vector equity = ComputeFieldEquities(chips, shares);
        SCOPED_TRACE(testing::Message() << "odd stack " << odd);
        EXPECT_NEAR(equity[4321], want, std::max(1e-10 * want, 1e-15));
        EXPECT_NEAR(equity[0], (1 - want) / 9999, std::max(1e-10 * equity[0], 1e-15));
    }
    const std::vector<int> chips = Stacks(5000, 1e6, 5, 1);
    const double total = std::accumulate(chips.begin(), chips.end(), 0.0);
    Vector share(chips.size());
    for (std::size_t i = 0; i < chips.size(); ++i)
        share[i] = 0.75 * chips[i] / total; // one paid place: the chance to win it
    ExpectClose(ComputeFieldEquities(chips, Vector{0.75}), share, 1e-12);
    EXPECT_EQ(ComputeFieldEquities(std::vector<int>(5, 0), shares), Vector(5, 0.0)); // nobody
}

// An all-in between two players, won, lost or busting one of them, or leaving one a single chip
// (below every stack of the field: with every place paid, its clock rings after the last node),
// against a fresh field.
TEST(IcmField, EquityAfterChangeAgreesWithAFreshField) {
    struct SRow {
        int players, places;
        std::vector<std::pair<int, int>> seats;
    };
    for (const SRow& row : {SRow{400, 60, {{3, 250}, {17, 18}, {399, 0}}},
                            SRow{16, 16, {{3, 9}, {15, 0}}}, SRow{16, 15, {{5, 11}}}}) {
        const std::vector<int> chips = Stacks(row.players, 100, 21);
        const Vector shares = Payouts(row.places, 1.1);
        const CFieldICM field(chips, shares);
        for (const auto& [i, j] : row.seats) {
            const int ci = chips[i], cj = chips[j], bet = std::min(ci, cj);
            for (const auto& [ni, nj] : {std::pair{ci + bet, cj - bet},
                                         {ci - bet, cj + bet},
                                         {ci + cj / 3, cj},
                                         {ci, 0},
                                         {1, ci + cj - 1},
                                         {ci + cj - 1, 1}}) {
                std::vector<int> changed = chips;
                changed[i] = ni;
                changed[j] = nj;
                const int left = row.players - (ni == 0) - (nj == 0);
                const Vector after = Payouts(std::min(row.places, left), 1.1);
                const double want = ComputeFieldEquities(changed, after)[i];
                EXPECT_NEAR(field.EquityAfterChange(i, ni, j, nj, after), want,
                            std::max(1e-10 * want, 1e-15))
                    << row.players << " players, seats " << i << ", " << j << " to " << ni << ", "
                    << nj;
            }
        }
    }
}

} // namespace
