#pragma once

// Bubble factors: how much more ICM equity a player loses by busting to an opponent than they
// gain by busting that opponent, for every ordered pair of a set of players.
//
// For players i and j the effective stack is e = min(c_i, c_j); after i wins the all-in the
// stacks are c_i + e and c_j - e, after i loses c_i - e and c_j + e. A player left without
// chips finishes in place r, r the number of players with chips before the hand, and is paid
// that place's share (0 if unpaid); the others share places 1 to r-1. Then
//   BF(i against j) = (E_i - E_i^lose) / (E_i^win - E_i),   RP = BF / (BF + 1) - 1/2,
// E being i's ICM equity now, after winning and after losing, all three from the same engine
// so that their errors do not bend the ratio. When only first place is paid, equity is linear
// in chips and BF is 1 exactly.

#include <cstddef>
#include <span>
#include <vector>

struct BubbleMatrix {
    std::vector<std::size_t> seats; // rows and columns, in the order asked for
    // [row * seats.size() + column]: row against column. Not-a-number on the diagonal and
    // where the ratio has no value (no equity to gain, or not-a-number shares).
    std::vector<double> factor;
    std::vector<double> premium;
};

// The bubble factors and risk premiums among `seats` (indices into `chips`, each holding a
// positive count, no count negative) for the pool shares of places 1, 2, .... Small tables
// run on an exact walk over the sets of placed players, larger ones on the field engine.
// Throws std::invalid_argument for a seat that is out of range or holds no chips, or for a
// negative count, std::overflow_error when an all-in would leave a count beyond 32 bits for
// the field engine.
BubbleMatrix ComputeBubbleMatrix(std::span<const int> chips, std::span<const double> shares,
                                 std::span<const std::size_t> seats);

// The same on a given engine (icm_pair.h), built for these chips and shares.
class IcmPairEngine;
BubbleMatrix ComputeBubbleMatrix(std::span<const int> chips, std::span<const double> shares,
                                 std::span<const std::size_t> seats, IcmPairEngine& engine);

// BF / (BF + 1) - 1/2: the part of the pot beyond one half that a call needs to break even.
double RiskPremium(double bubbleFactor);
