#pragma once

#include "calculation.h"

#include <string>

// A readable table: one row per seat with a non-zero count, with the place probabilities
// (as percentages) when they were computed.
std::string FormatTable(const Calculation& calc);

// One line of JSON with the pool, the shares and every seat in order, and "places" (one
// array of probabilities per seat) when they were computed.
std::string FormatJson(const Calculation& calc);
