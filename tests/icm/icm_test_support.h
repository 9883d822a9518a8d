#pragma once

#include "icm.h"

#include <array>

using Chips = std::array<int, ICM_PLAYERS>;
using Shares = std::array<double, ICM_PLACES>;
using Equities = std::array<double, ICM_PLAYERS>;

// Runs the engine on an output vector pre-filled with a marker, so unwritten seats show.
inline Equities Equity(const Chips& chips, const Shares& shares) {
    Equities equity;
    equity.fill(-12345.0);
    ComputeICMEquity(chips.data(), equity.data(), shares.data());
    return equity;
}
