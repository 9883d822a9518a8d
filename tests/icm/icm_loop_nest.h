#pragma once

#include "icm.h"

// The place table computed by the plain loop nest: for every subject, every finishing order
// of the others, one term per place, each term formed in full and added in lexicographic
// order. Kept as the yardstick the engine must match bit for bit, and as the baseline its
// speed is measured against.
void LoopNestICMPlaces(const int chips[ICM_PLAYERS], double places[ICM_PLAYERS][ICM_PLACES]);

// The equities of that table, weighted place by place in order.
void LoopNestICMEquity(const int chips[ICM_PLAYERS], double equity[ICM_PLAYERS],
                       const double shares[ICM_PLACES]);
