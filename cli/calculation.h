#pragma once

#include "arguments.h"

#include <string>
#include <vector>

// The calculator's inputs and results, as the dialog forms them. A table has at least the
// dialog's ten seats and five places; more when more counts or payouts are given.
struct Calculation {
    double pool = 0;
    std::vector<int> chips;     // one per seat, 0 for an empty seat
    std::vector<double> shares; // one per place
    std::vector<double> equity; // one per seat
    // Seat by seat, each place's probability (seats x places), when asked for; else empty.
    std::vector<double> places;
};

// Normalises the payouts to shares of their sum and runs the engine: the dialog's engine for
// tables of ten seats and five places, which gives the dialog's bits, the whole-table engine
// for larger ones. A payout sum of 0 gives not-a-number shares, and with them not-a-number
// equities, as in the dialog.
Calculation Calculate(const Arguments& args);
