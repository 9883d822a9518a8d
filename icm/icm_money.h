#pragma once

#include <string>

// The two steps around the engine that the dialog and the command-line tool both show, kept
// here once so their figures cannot drift apart.

// Pool shares from payouts given as percentages or any ratio: each payout over their sum,
// the sum formed left to right (((p0 + p1) + p2) + ...). Finite payouts whose sum overflows are
// first divided by the largest of them, so 1e308 five times shares as 1 five times. All-zero
// payouts give not-a-number shares.
void NormalizePayouts(const double payouts[], double shares[], int count);

// A seat's amount, equity * pool, as the dialog writes it: "%f" (six decimals, every digit
// before the point), "inf" or "-inf" past the range of a double, and "nan" for not-a-number
// whatever its sign bit. A zero equity (an empty seat) is "0.000000" also when the pool is
// infinite or not a number.
std::string FormatAmount(double equity, double pool);
