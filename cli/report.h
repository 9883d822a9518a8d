#pragma once

#include "calculation.h"

#include <string>

// A readable table: one row per seat with a non-zero count.
std::string FormatTable(const Calculation& calc);

// One line of JSON with the pool, the shares and all ten seats in order.
std::string FormatJson(const Calculation& calc);
