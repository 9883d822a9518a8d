#include "icm.h"

#include <cstdint>

// Every sum and product below is evaluated in one fixed order, one rounding per operation,
// so that results are reproducible to the last bit; do not regroup or reorder them.

namespace {

// Totals and remainders are 64-bit: ten 32-bit counts can add up to more than a 32-bit int
// holds. The wider type keeps such tables correct and leaves every in-range result unchanged.
using Chips = std::int64_t;

Chips ChipTotal(const int chips[ICM_PLAYERS]) {
    Chips sum = 0;
    for (int i = 0; i < ICM_PLAYERS; ++i)
        sum += chips[i];
    // The bias before truncation is part of the reference arithmetic: it moves a negative
    // total one step towards zero and leaves a non-negative one as it is.
    return static_cast<Chips>(static_cast<double>(sum) + 1e-6);
}

double Quotient(int count, Chips rest) {
    return static_cast<double>(count) / static_cast<double>(rest);
}

// One subject player's walk through the finishing orders of the others.
struct Walk {
    const int* chips;
    int subject;
    double* places; // the subject's row of the place table

    // Seats already placed (the subject included) and empty seats take no place. A negative
    // count is not an empty seat.
    bool Skips(int seat, unsigned placed) const {
        return ((placed >> seat) & 1u) != 0 || chips[seat] == 0;
    }
    double SubjectOver(Chips rest) const { return Quotient(chips[subject], rest); }
};

unsigned Placed(unsigned placed, int seat) {
    return placed | (1u << seat);
}

void AddFifthPlaces(const Walk& w, unsigned placed, Chips r3, double q3) {
    for (int p4 = 0; p4 < ICM_PLAYERS; ++p4) {
        if (w.Skips(p4, placed))
            continue;
        const double q4 = q3 * Quotient(w.chips[p4], r3);
        const Chips r4 = r3 - w.chips[p4];
        const double term = q4 * w.SubjectOver(r4);
        w.places[4] = w.places[4] + term;
    }
}

void AddFourthPlaces(const Walk& w, unsigned placed, Chips r2, double q2) {
    for (int p3 = 0; p3 < ICM_PLAYERS; ++p3) {
        if (w.Skips(p3, placed))
            continue;
        const double q3 = Quotient(w.chips[p3], r2) * q2;
        const Chips r3 = r2 - w.chips[p3];
        const double term = q3 * w.SubjectOver(r3);
        w.places[3] = w.places[3] + term;
        AddFifthPlaces(w, Placed(placed, p3), r3, q3);
    }
}

void AddThirdPlaces(const Walk& w, unsigned placed, Chips r1, double first) {
    for (int p2 = 0; p2 < ICM_PLAYERS; ++p2) {
        if (w.Skips(p2, placed))
            continue;
        const double q2 = Quotient(w.chips[p2], r1) * first;
        const Chips r2 = r1 - w.chips[p2];
        const double term = w.SubjectOver(r2) * q2;
        w.places[2] = w.places[2] + term;
        AddFourthPlaces(w, Placed(placed, p2), r2, q2);
    }
}

void AddSecondPlaces(const Walk& w, Chips total, const double table[][ICM_PLACES]) {
    const unsigned placed = Placed(0u, w.subject);
    for (int p1 = 0; p1 < ICM_PLAYERS; ++p1) {
        if (w.Skips(p1, placed))
            continue;
        const Chips r1 = total - w.chips[p1];
        const double term = w.SubjectOver(r1) * table[p1][0];
        w.places[1] = w.places[1] + term;
        AddThirdPlaces(w, Placed(placed, p1), r1, table[p1][0]);
    }
}

double Equity(const double places[ICM_PLACES], const double shares[ICM_PLACES]) {
    double acc = 0.0;
    for (int j = 0; j < ICM_PLACES; ++j)
        acc = places[j] * shares[j] + acc;
    return acc;
}

} // namespace

void ComputeICMEquity(const int chips[ICM_PLAYERS], double equity[ICM_PLAYERS],
                      const double shares[ICM_PLACES]) {
    double table[ICM_PLAYERS][ICM_PLACES];
    const Chips total = ChipTotal(chips);
    for (int i = 0; i < ICM_PLAYERS; ++i)
        table[i][0] = Quotient(chips[i], total);

    for (int a = 0; a < ICM_PLAYERS; ++a) {
        for (int j = 1; j < ICM_PLACES; ++j)
            table[a][j] = 0.0;
        if (chips[a] == 0)
            continue;
        AddSecondPlaces(Walk{chips, a, table[a]}, total, table);
    }

    for (int i = 0; i < ICM_PLAYERS; ++i)
        equity[i] = chips[i] > 0 ? Equity(table[i], shares) : 0.0;
}
