#pragma once

// Independent chip model: each player's expected fraction of the prize pool from the chip
// stacks of up to ten players and the pool shares of the first five places.

constexpr int ICM_PLAYERS = 10;
constexpr int ICM_PLACES = 5;

// chips: one count per seat, 0 for an empty seat. shares: fraction of the pool for places 1
// to 5. equity: receives each player's fraction of the pool (0 for a count that is not
// positive). Allocates nothing and keeps no state, so it may run on any thread at once.
void ComputeICMEquity(const int chips[ICM_PLAYERS], double equity[ICM_PLAYERS],
                      const double shares[ICM_PLACES]);

// The table behind the equities: places[i][j] is the probability that player i finishes in
// place j+1, exactly as ComputeICMEquity forms it. Rows of empty seats hold 0 from place 2
// on. Allocates nothing and keeps no state.
void ComputeICMPlaces(const int chips[ICM_PLAYERS], double places[ICM_PLAYERS][ICM_PLACES]);
