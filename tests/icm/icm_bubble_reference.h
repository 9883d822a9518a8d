#pragma once

#include <cstddef>
#include <functional>
#include <span>
#include <vector>

// Each seat's ICM equity for these counts and shares, from some engine.
using EquityEngine =
    std::function<std::vector<double>(std::span<const int>, std::span<const double>)>;

// Bubble factors among `seats` straight from their definition: for every ordered pair, the
// table after the all-in won and lost is computed from scratch, and a player who busts takes
// the share of the place they finish in. Row-major, not-a-number on the diagonal. Counts must
// stay within 32 bits after the all-in. The yardstick for the engine in the tests, and the
// naive baseline in the benchmarks.
std::vector<double> ReferenceBubbleFactors(std::span<const int> chips,
                                           std::span<const double> shares,
                                           std::span<const std::size_t> seats,
                                           const EquityEngine& equities);
