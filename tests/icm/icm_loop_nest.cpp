#include "icm_loop_nest.h"

#include <cstdint>

namespace {

double Over(std::int64_t count, std::int64_t rest) {
    return static_cast<double>(count) / static_cast<double>(rest);
}

} // namespace

void LoopNestICMPlaces(const int c[ICM_PLAYERS], double P[ICM_PLAYERS][ICM_PLACES]) {
    std::int64_t sum = 0;
    for (int i = 0; i < ICM_PLAYERS; ++i)
        sum += c[i];
    const auto T = static_cast<std::int64_t>(static_cast<double>(sum) + 1e-6);
    for (int i = 0; i < ICM_PLAYERS; ++i)
        P[i][0] = Over(c[i], T);

    for (int a = 0; a < ICM_PLAYERS; ++a) {
        for (int j = 1; j < ICM_PLACES; ++j)
            P[a][j] = 0.0;
        if (c[a] == 0)
            continue;
        for (int p1 = 0; p1 < ICM_PLAYERS; ++p1) {
            if (p1 == a || c[p1] == 0)
                continue;
            const std::int64_t R1 = T - c[p1];
            P[a][1] += Over(c[a], R1) * P[p1][0];
            for (int p2 = 0; p2 < ICM_PLAYERS; ++p2) {
                if (p2 == a || p2 == p1 || c[p2] == 0)
                    continue;
                const double q2 = Over(c[p2], R1) * P[p1][0];
                const std::int64_t R2 = T - c[p1] - c[p2];
                P[a][2] += Over(c[a], R2) * q2;
                for (int p3 = 0; p3 < ICM_PLAYERS; ++p3) {
                    if (p3 == a || p3 == p1 || p3 == p2 || c[p3] == 0)
                        continue;
                    const double q3 = Over(c[p3], R2) * q2;
                    const std::int64_t R3 = T - c[p1] - c[p2] - c[p3];
                    P[a][3] += q3 * Over(c[a], R3);
                    for (int p4 = 0; p4 < ICM_PLAYERS; ++p4) {
                        if (p4 == a || p4 == p1 || p4 == p2 || p4 == p3 || c[p4] == 0)
                            continue;
                        const double q4 = q3 * Over(c[p4], R3);
                        const std::int64_t R4 = T - c[p1] - c[p2] - c[p3] - c[p4];
                        P[a][4] += q4 * Over(c[a], R4);
                    }
                }
            }
        }
    }
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
