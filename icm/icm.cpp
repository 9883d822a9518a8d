#include "icm.h"

#include <bit>
#include <cstdint>

// TALLYVANE_ICM_PORTABLE selects the plain two-lane arithmetic on any machine, so that one
// test build runs it: every target we ship has SSE2.
#if defined(__SSE2__) && !defined(TALLYVANE_ICM_PORTABLE)
#include <emmintrin.h>
#endif

// Every sum and product below is evaluated in one fixed order, one rounding per operation,
// so that results are reproducible to the last bit; do not regroup or reorder them.
//
// The table is defined by a walk, for every subject player, over the finishing orders
// (p1, p2, p3, p4) of the others. The running products and the remainders of an order do not
// depend on the subject, and a quotient c[x] / R depends only on the set of players already
// placed, not on their order. So each order is walked once, in the same lexicographic order,
// and its term is added to every subject outside it; and each quotient is divided once per set.
// Every entry still receives the same terms, formed the same way, in the same order.

namespace {

// Totals and remainders are 64-bit: ten 32-bit counts can add up to more than a 32-bit int
// holds. The wider type keeps such tables correct and leaves every in-range result unchanged.
// Remainders are exact integers, so a set's remainder does not depend on the order of removal.
using Chips = std::int64_t;

Chips ChipTotal(const int chips[ICM_PLAYERS]) {
    Chips sum = 0;
    for (int i = 0; i < ICM_PLAYERS; ++i)
        sum += chips[i];
    // The bias before truncation is part of the reference arithmetic: it moves a negative
    // total one step towards zero and leaves a non-negative one as it is.
    return static_cast<Chips>(static_cast<double>(sum) + 1e-6);
}

// An order fills places 1 to 4 before the subject takes place 5, so at most four players
// are ever placed ahead of a subject.
constexpr int kMostPlaced = ICM_PLACES - 1;
constexpr unsigned kAllSets = 1u << ICM_PLAYERS;

constexpr int CountSets() {
    int n = 0;
    for (unsigned set = 0; set < kAllSets; ++set)
        n += std::popcount(set) <= kMostPlaced;
    return n;
}
constexpr int kSets = CountSets();

// Dense numbering of the sets of at most four players, in ascending order of their bit mask
// (so the sets of the first n players come first). Immutable, built by the compiler.
struct SetIndex {
    std::uint16_t slot[kAllSets] = {};
    std::uint16_t set[kSets] = {};
};

constexpr SetIndex MakeSetIndex() {
    SetIndex index;
    int next = 0;
    for (unsigned set = 0; set < kAllSets; ++set) {
        if (std::popcount(set) > kMostPlaced)
            continue;
        index.slot[set] = static_cast<std::uint16_t>(next);
        index.set[next++] = static_cast<std::uint16_t>(set);
    }
    return index;
}
constexpr SetIndex kSetIndex = MakeSetIndex();

// Players are held in lanes, two to a pair (one SSE2 register); a table of n players uses
// the first (n + 1) / 2 pairs. Each lane only ever holds its own entry's arithmetic.
constexpr int kPairs = ICM_PLAYERS / 2;
static_assert(ICM_PLAYERS % 2 == 0);

#if defined(__SSE2__) && !defined(TALLYVANE_ICM_PORTABLE)
using Pair = __m128d;

inline Pair LoadPair(const double* p) {
    return _mm_load_pd(p);
}
inline void StorePair(double* p, Pair x) {
    _mm_store_pd(p, x);
}
inline Pair Splat(double x) {
    return _mm_set1_pd(x);
}
inline Pair Times(Pair a, Pair b) {
    return _mm_mul_pd(a, b);
}

// Bit masks that keep the lanes whose bits are set in a two-bit selector.
alignas(16) constexpr std::uint64_t kKeep[4][2] = {{0, 0}, {~0ull, 0}, {0, ~0ull}, {~0ull, ~0ull}};

inline Pair Over(Pair a, Pair b) {
    return _mm_div_pd(a, b);
}
inline Pair Plus(Pair a, Pair b) {
    return _mm_add_pd(a, b);
}

// x in the lanes selected by the two-bit `lanes`, +0.0 in the others.
inline Pair Kept(Pair x, unsigned lanes) {
    return _mm_and_pd(
        x, _mm_castsi128_pd(_mm_load_si128(reinterpret_cast<const __m128i*>(kKeep[lanes]))));
}
#else
struct Pair {
    double lane[2];
};

inline Pair LoadPair(const double* p) {
    return {{p[0], p[1]}};
}
inline void StorePair(double* p, Pair x) {
    p[0] = x.lane[0], p[1] = x.lane[1];
}
inline Pair Splat(double x) {
    return {{x, x}};
}
inline Pair Times(Pair a, Pair b) {
    return {{a.lane[0] * b.lane[0], a.lane[1] * b.lane[1]}};
}
inline Pair Over(Pair a, Pair b) {
    return {{a.lane[0] / b.lane[0], a.lane[1] / b.lane[1]}};
}
inline Pair Plus(Pair a, Pair b) {
    return {{a.lane[0] + b.lane[0], a.lane[1] + b.lane[1]}};
}
inline Pair Kept(Pair x, unsigned lanes) {
    for (int k = 0; k < 2; ++k)
        if (((lanes >> k) & 1u) == 0)
            x.lane[k] = 0.0;
    return x;
}
#endif

// One place's running entries for the lanes of a table, kept in registers while a loop
// adds to them.
template <int Pairs> struct Entries {
    Pair pair[Pairs];

    explicit Entries(const double* from) {
#pragma GCC unroll 5
        for (int k = 0; k < Pairs; ++k)
            pair[k] = LoadPair(from + 2 * k);
    }
    void Store(double* to) const {
#pragma GCC unroll 5
        for (int k = 0; k < Pairs; ++k)
            StorePair(to + 2 * k, pair[k]);
    }

    // entry[a] = entry[a] + term for every lane a set in `open`, the term being quotient[a]
    // times scale or scale times quotient[a], as the order of the reference has it.
    //
    // Closed lanes receive a zero, which leaves them unchanged: an entry starts at +0.0 and
    // a sum is -0.0 only when both addends are, so no entry is ever -0.0. Their quotient is
    // 0, so a finite scale gives them a zero term at no cost; with negative counts the scale
    // may be infinite or not a number, and then the term is masked (Masked).
    template <bool Masked, bool QuotientFirst>
    void Add(const double* quotient, double scale, unsigned open) {
        const Pair s = Splat(scale);
#pragma GCC unroll 5
        for (int k = 0; k < Pairs; ++k) {
            const Pair q = LoadPair(quotient + 2 * k);
            const Pair term = QuotientFirst ? Times(q, s) : Times(s, q);
            pair[k] = Plus(pair[k], Masked ? Kept(term, (open >> (2 * k)) & 3u) : term);
        }
    }
};

// The players with a count other than 0, packed into the first n lanes in seat order, and
// every quotient count / remainder the walk needs, one row per set of placed players. A row
// holds 0 in the lanes of the set itself and past the n players: those lanes are closed.
struct Quotients {
    int n = 0;
    bool negative = false; // some count is negative
    int seat[ICM_PLAYERS] = {};
    alignas(16) double row[kSets][ICM_PLAYERS];

    const double* Of(unsigned placed) const { return row[kSetIndex.slot[placed]]; }

    Quotients(const int chips[ICM_PLAYERS], Chips total) {
        Chips whole[ICM_PLAYERS] = {};
        alignas(16) double count[ICM_PLAYERS] = {};
        for (int i = 0; i < ICM_PLAYERS; ++i) {
            if (chips[i] == 0) // a negative count takes part; only empty seats drop out
                continue;
            negative = negative || chips[i] < 0;
            seat[n] = i;
            whole[n] = chips[i];
            count[n] = static_cast<double>(chips[i]);
            ++n;
        }
        const unsigned everyone = (1u << n) - 1;
        // Sets are numbered in ascending mask order: those within the first n lanes lead.
        for (int s = 0; s < kSets && kSetIndex.set[s] <= everyone; ++s) {
            const unsigned set = kSetIndex.set[s];
            Chips rest = total;
            for (unsigned m = set; m != 0; m &= m - 1)
                rest -= whole[std::countr_zero(m)];
            const Pair r = Splat(static_cast<double>(rest));
            const unsigned open = everyone & ~set;
            for (int k = 0; 2 * k < n; ++k) {
                const Pair quotient = Over(LoadPair(count + 2 * k), r);
                StorePair(row[s] + 2 * k, Kept(quotient, (open >> (2 * k)) & 3u));
            }
        }
    }
};

double Equity(const double places[ICM_PLACES], const double shares[ICM_PLACES]) {
    double acc = 0.0;
    for (int j = 0; j < ICM_PLACES; ++j)
        acc = places[j] * shares[j] + acc;
    return acc;
}

} // namespace

namespace {

// The walk over every order (p1, p2, p3, p4) of the players in the first n lanes, in
// lexicographic order; `entry[j]` collects the terms of place j+2.
template <int Pairs, bool Masked>
void Walk(const Quotients& q, double entry[kMostPlaced][ICM_PLAYERS]) {
    const unsigned everyone = (1u << q.n) - 1;
    const double* first = q.Of(0); // count / total: place 1
    // Held in registers for the whole walk, as far as they go.
    Entries<Pairs> second(entry[0]), third(entry[1]), fourth(entry[2]), fifth(entry[3]);
    for (unsigned left1 = everyone; left1 != 0; left1 &= left1 - 1) {
        const int p1 = std::countr_zero(left1);
        const unsigned set1 = 1u << p1, open1 = everyone & ~set1;
        const double* q1 = q.Of(set1);
        const double f = first[p1];
        second.template Add<Masked, true>(q1, f, open1);
        for (unsigned left2 = open1; left2 != 0; left2 &= left2 - 1) {
            const int p2 = std::countr_zero(left2);
            const unsigned set2 = set1 | (1u << p2), open2 = open1 & ~(1u << p2);
            const double* q2s = q.Of(set2);
            const double q2 = q1[p2] * f;
            third.template Add<Masked, true>(q2s, q2, open2);
            for (unsigned left3 = open2; left3 != 0; left3 &= left3 - 1) {
                const int p3 = std::countr_zero(left3);
                const unsigned set3 = set2 | (1u << p3), open3 = open2 & ~(1u << p3);
                const double* q3s = q.Of(set3);
                const double q3 = q2s[p3] * q2;
                fourth.template Add<Masked, false>(q3s, q3, open3);
                for (unsigned left4 = open3; left4 != 0; left4 &= left4 - 1) {
                    const int p4 = std::countr_zero(left4);
                    const double q4 = q3 * q3s[p4];
                    fifth.template Add<Masked, false>(q.Of(set3 | (1u << p4)), q4,
                                                      open3 & ~(1u << p4));
                }
            }
        }
    }
    second.Store(entry[0]);
    third.Store(entry[1]);
    fourth.Store(entry[2]);
    fifth.Store(entry[3]);
}

using WalkFunction = void (*)(const Quotients&, double[kMostPlaced][ICM_PLAYERS]);

void NoWalk(const Quotients&, double[kMostPlaced][ICM_PLAYERS]) {}

// By the number of pairs in use, and whether some count is negative.
constexpr WalkFunction Walks[kPairs + 1][2] = {
    {NoWalk, NoWalk},
    {Walk<1, false>, Walk<1, true>},
    {Walk<2, false>, Walk<2, true>},
    {Walk<3, false>, Walk<3, true>},
    {Walk<4, false>, Walk<4, true>},
    {Walk<5, false>, Walk<5, true>},
};

} // namespace

void ComputeICMPlaces(const int chips[ICM_PLAYERS], double places[ICM_PLAYERS][ICM_PLACES]) {
    const Chips total = ChipTotal(chips);
    for (int i = 0; i < ICM_PLAYERS; ++i) {
        places[i][0] = static_cast<double>(chips[i]) / static_cast<double>(total);
        for (int j = 1; j < ICM_PLACES; ++j)
            places[i][j] = 0.0;
    }

    const Quotients q(chips, total);
    alignas(16) double entry[kMostPlaced][ICM_PLAYERS] = {};
    Walks[(q.n + 1) / 2][q.negative](q, entry);
    for (int a = 0; a < q.n; ++a)
        for (int j = 1; j < ICM_PLACES; ++j)
            places[q.seat[a]][j] = entry[j - 1][a];
}

void ComputeICMEquity(const int chips[ICM_PLAYERS], double equity[ICM_PLAYERS],
                      const double shares[ICM_PLACES]) {
    double places[ICM_PLAYERS][ICM_PLACES];
    ComputeICMPlaces(chips, places);
    for (int i = 0; i < ICM_PLAYERS; ++i)
        equity[i] = chips[i] > 0 ? Equity(places[i], shares) : 0.0;
}
