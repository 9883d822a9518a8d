#include "calculation.h"

#include "icm.h"
#include "icm_exact.h"
#include "icm_field.h"
#include "icm_money.h"
#include "usage_error.h"

#include <algorithm>
#include <cmath>
#include <new>
#include <stdexcept>

namespace {

// At most this many place probabilities are computed: beyond, the table and the engine's
// sums would run into gigabytes (and a memory that overcommits may not say no in time).
constexpr std::size_t kMaxPlaceCells = 100'000'000;

[[noreturn]] void RefusePlaces(const Calculation& calc) {
    throw UsageError(Refusal::PlacesTooLarge,
                     {std::to_string(calc.chips.size()), std::to_string(calc.shares.size())});
}

// The place probabilities of a large field may still not fit in memory: refused, not a crash.
template <typename Make> std::vector<double> PlaceTable(const Calculation& calc, Make make) {
    try {
        return make();
    } catch (const std::bad_alloc&) {
    } catch (const std::length_error&) {
    }
    RefusePlaces(calc);
}

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

// The whole-table engine on the players alone, so that empty seats cost nothing; it gives
// the same bits as on the whole table. Places beyond 24 cannot be reached by 24 players.
void WholeTableEngine(Calculation& calc, bool places) {
    std::vector<int> players;
    std::vector<std::size_t> seat;
    for (std::size_t i = 0; i < calc.chips.size(); ++i)
        if (calc.chips[i] != 0) {
            players.push_back(calc.chips[i]);
            seat.push_back(i);
        }
    const std::size_t all = calc.shares.size();
    const std::size_t paid = std::min<std::size_t>(all, ICM_MAX_PLACES);
    const std::span<const double> shares(calc.shares.data(), paid);
    const std::vector<double> table = ComputeICMPlaceTable(players, static_cast<int>(paid));
    const std::vector<double> equity = ICMEquitiesFromTable(players, table, shares);
    if (places)
        calc.places =
            PlaceTable(calc, [&] { return std::vector<double>(calc.chips.size() * all); });
    for (std::size_t x = 0; x < players.size(); ++x) {
        calc.equity[seat[x]] = equity[x];
        if (places)
            std::copy_n(table.begin() + static_cast<std::ptrdiff_t>(x * paid), paid,
                        calc.places.begin() + static_cast<std::ptrdiff_t>(seat[x] * all));
    }
}

// The field engine's error estimate expects shares of one sign; negative payouts beside
// positive ones cost it seconds and, among stacks in a ratio of 1e5, 0.4 % of the equity.
// An equity is linear in the shares, so each sign is integrated on its own. Shares that are
// not finite (payouts summing to 0) go in whole, to come out not a number as elsewhere.
std::vector<double> FieldEquities(std::span<const int> chips, std::span<const double> shares) {
    const auto finite = [](double share) { return std::isfinite(share); };
    const auto negative = [](double share) { return share < 0; };
    if (!std::all_of(shares.begin(), shares.end(), finite) ||
        std::none_of(shares.begin(), shares.end(), negative))
        return ComputeFieldEquities(chips, shares);
    std::vector<double> gains(shares.size()), losses(shares.size());
    for (std::size_t m = 0; m < shares.size(); ++m)
        (shares[m] < 0 ? losses[m] : gains[m]) = std::fabs(shares[m]);
    std::vector<double> equity = ComputeFieldEquities(chips, gains);
    const std::vector<double> lost = ComputeFieldEquities(chips, losses);
    for (std::size_t i = 0; i < equity.size(); ++i)
        equity[i] -= lost[i];
    return equity;
}

void FieldEngine(Calculation& calc, bool places) {
    calc.equity = FieldEquities(calc.chips, calc.shares);
    if (places)
        calc.places = PlaceTable(calc, [&] {
            return ComputeFieldPlaceTable(calc.chips, static_cast<int>(calc.shares.size()));
        });
}

} // namespace

Engine ChooseEngine(std::span<const int> chips, std::size_t places) {
    if (chips.size() <= ICM_PLAYERS && places <= ICM_PLACES)
        return Engine::Dialog;
    const auto players =
        chips.size() - static_cast<std::size_t>(std::count(chips.begin(), chips.end(), 0));
    const auto negative = std::find_if(chips.begin(), chips.end(), [](int c) { return c < 0; });
    if (negative != chips.end() && players > ICM_MAX_PLAYERS)
        throw UsageError(Refusal::NegativeCount, {std::to_string(negative - chips.begin() + 1)});
    const std::size_t limit = places >= players ? kWholeTablePlayersAllPaid : kWholeTablePlayers;
    if (negative != chips.end() || players <= limit)
        return Engine::WholeTable;
    return Engine::Field;
}

Calculation Calculate(const Arguments& args) {
    const Engine engine = ChooseEngine(args.chips, args.payouts.size());
    Calculation calc;
    calc.pool = args.pool;
    calc.chips = args.chips;
    calc.chips.resize(std::max<std::size_t>(args.chips.size(), ICM_PLAYERS), 0);
    std::vector<double> payouts = args.payouts;
    payouts.resize(std::max<std::size_t>(payouts.size(), ICM_PLACES), 0.0);
    calc.shares.resize(payouts.size());
    NormalizePayouts(payouts.data(), calc.shares.data(), static_cast<int>(payouts.size()));
    calc.equity.assign(calc.chips.size(), 0.0);
    if (args.places && calc.chips.size() > kMaxPlaceCells / calc.shares.size())
        RefusePlaces(calc);
    switch (engine) {
        case Engine::Dialog:
            DialogEngine(calc, args.places);
            break;
        case Engine::WholeTable:
            WholeTableEngine(calc, args.places);
            break;
        case Engine::Field:
            FieldEngine(calc, args.places);
            break;
    }
    return calc;
}
