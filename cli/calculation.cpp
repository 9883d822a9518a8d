#include "calculation.h"

#include "icm.h"
#include "icm_exact.h"
#include "icm_money.h"

#include <algorithm>

namespace {

// The dialog's engine: ten seats and five places, in its order of operations.
void DialogEngine(Calculation& calc, bool places) {
    ComputeICMEquity(calc.chips.data(), calc.equity.data(), calc.shares.data());
    if (!places)
        return;
    double table[ICM_PLAYERS][ICM_PLACES];
    ComputeICMPlaces(calc.chips.data(), table);
    for (const auto& row : table)
        calc.places.insert(calc.places.end(), row, row + ICM_PLACES);
}

} // namespace

Calculation Calculate(const Arguments& args) {
    Calculation calc;
    calc.pool = args.pool;
    calc.chips = args.chips;
    calc.chips.resize(std::max<std::size_t>(args.chips.size(), ICM_PLAYERS), 0);
    std::vector<double> payouts = args.payouts;
    payouts.resize(std::max<std::size_t>(payouts.size(), ICM_PLACES), 0.0);
    calc.shares.resize(payouts.size());
    NormalizePayouts(payouts.data(), calc.shares.data(), static_cast<int>(payouts.size()));

    calc.equity.resize(calc.chips.size());
    if (calc.chips.size() == ICM_PLAYERS && calc.shares.size() == ICM_PLACES) {
        DialogEngine(calc, args.places);
        return calc;
    }
    const std::vector<double> table =
        ComputeICMPlaceTable(calc.chips, static_cast<int>(calc.shares.size()));
    calc.equity = ICMEquitiesFromTable(calc.chips, table, calc.shares);
    if (args.places)
        calc.places = table;
    return calc;
}
