#pragma once

#include "arguments.h"
#include "icm.h"

#include <string>

// The calculator's inputs and results, as the dialog forms them.
struct Calculation {
    double pool = 0;
    int chips[ICM_PLAYERS] = {};
    double shares[ICM_PLACES] = {};
    double equity[ICM_PLAYERS] = {};
};

// Normalises the payouts to shares of their sum and runs the engine. A payout sum of 0
// gives not-a-number shares, and with them not-a-number equities, as in the dialog.
Calculation Calculate(const Arguments& args);

// The currency amount of one seat, formatted with "%f".
std::string FormatAmount(double equity, double pool);
