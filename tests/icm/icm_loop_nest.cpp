#include "icm_loop_nest.h"

#include <cstdint>

namespace {

double Over(std::int64_t count, std::int64_t rest) {
    return static_cast<double>(count) / static_cast<double>(rest);
}

// One loop of the nest: subject a after `depth` others (the bits of `gone`) went first in some
// order, with that order's chance and `rest` chips left. Each player p who can go next adds a's
// term for the place after p, formed as the nested loops would form it, then the next loop runs.
void Nest(const int c[ICM_PLAYERS], int a, unsigned gone, int depth, std::int64_t rest,
          double chance, double P[ICM_PLAYERS][ICM_PLACES]) {
    for (int p = 0; p < ICM_PLAYERS; ++p) {
        if (p == a || (gone >> p & 1) != 0 || c[p] == 0)
            continue;
        const double q = depth == 0 ? Over(c[p], rest) : Over(c[p], rest) * chance;
        P[a][depth + 1] += Over(c[a], rest - c[p]) * q;
        if (depth + 2 < ICM_PLACES)
            Nest(c, a, gone | 1u << p, depth + 1, rest - c[p], q, P);
    }
}

} // namespace

void LoopNestICMPlaces(const int c[ICM_PLAYERS], double P[ICM_PLAYERS][ICM_PLACES]) {
    std::int64_t sum = 0;
    for (int i = 0; i < ICM_PLAYERS; ++i)
        sum += c[i];
    const auto T = static_cast<std::int64_t>(static_cast<double>(sum) + 1e-6);
    for (int a = 0; a < ICM_PLAYERS; ++a) {
        P[a][0] = Over(c[a], T);
        for (int j = 1; j < ICM_PLACES; ++j)
            P[a][j] = 0.0;
    }
    for (int a = 0; a < ICM_PLAYERS; ++a)
        if (c[a] != 0)
            Nest(c, a, 0, 0, T, 1.0, P);
}

void LoopNestICMEquity(const int chips[ICM_PLAYERS], double equity[ICM_PLAYERS],
                       const double shares[ICM_PLACES]) {
    double P[ICM_PLAYERS][ICM_PLACES];
    LoopNestICMPlaces(chips, P);
    for (int i = 0; i < ICM_PLAYERS; ++i) {
        equity[i] = 0.0;
        if (chips[i] <= 0)
            continue;
        double acc = 0.0;
        for (int j = 0; j < ICM_PLACES; ++j)
            acc = P[i][j] * shares[j] + acc;
        equity[i] = acc;
    }
}
