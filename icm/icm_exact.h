#pragma once

// Independent chip model for whole final tables: any number of players up to 24 and any
// number of paid places up to 24, computed by dynamic programming over the sets of players
// already placed. The same model as ComputeICMEquity (Malmuth-Harville), in double
// precision, but not in its order of operations: on the dialog's tables the two agree to
// 1e-12 relative, not to the bit; at 20 players the error is still near 1e-13.

#include <span>
#include <vector>

constexpr int ICM_MAX_PLAYERS = 24;
constexpr int ICM_MAX_PLACES = 24;

// Probability that each player finishes in each of the first `places` places, row by row:
// element [i * places + j] is player i's chance of place j+1.
//
// Counts follow the dialog's rules. An empty seat (0) takes no place: its row is all 0, and
// a place that only empty seats could fill pays nobody. A negative count takes part in the
// finishing orders like any other, with the same arithmetic, so probabilities around it may
// be negative or not finite. The chip total is formed as the dialog forms it.
//
// Memory: one double for every set of players with chips, 8 * 2^n bytes for n of them
// (8 MB for 20 players, 128 MB for 24). Throws std::invalid_argument beyond 24 players or
// places, or for a negative number of places. Keeps no state; safe on any thread.
std::vector<double> ComputeICMPlaceTable(std::span<const int> chips, int places);

// Each player's expected fraction of the pool for the shares of places 1 to shares.size():
// the place probabilities weighted in place order. A count that is not positive earns 0.
std::vector<double> ComputeICMEquities(std::span<const int> chips, std::span<const double> shares);

// The same weighting of a table already computed for these chips and shares.size() places.
std::vector<double> ICMEquitiesFromTable(std::span<const int> chips, std::span<const double> table,
                                         std::span<const double> shares);
