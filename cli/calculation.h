#pragma once

#include "arguments.h"
#include "icm_bubble.h"
#include "icm_deal.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <vector>

// The calculator's inputs and results, as the dialog forms them. A table has at least the
// dialog's ten seats and five places; more when more counts or payouts are given.
struct Calculation {
    double pool = 0;
    std::vector<int> chips;     // one per seat, 0 for an empty seat
    std::vector<double> shares; // one per place
    std::vector<double> equity; // one per seat
    // Seat by seat, each place's probability (seats x places), when asked for; else empty.
    std::vector<double> places;
    // With --bubble, the matrix; with --deal, the deal and the set-aside it was made with.
    std::optional<BubbleMatrix> bubble;
    std::optional<IcmDeal> deal;
    std::optional<Cents> setAside;
};

// The engines, from the most exact to the one without a size limit.
enum class Engine {
    Dialog,     // ten seats and five places: the dialog's own bits
    WholeTable, // up to 24 players, by dynamic programming over sets of players
    Field,      // any field, by integrating the race of the players' clocks
};

// Players (seats with a non-zero count) up to which the whole-table engine is faster than
// the field engine, whose time hardly grows with them while the other's doubles with each:
// measured at 10 paid places, 2.8 against 2.4 ms at 16 players, 4.0 against 2.4 at 17. When
// every player is paid the field engine takes a faster road and overtakes at 13 players
// (0.36 against 0.23 ms).
constexpr int kWholeTablePlayers = 16;
constexpr int kWholeTablePlayersAllPaid = 12;

// The engine for a table of `chips` (as given) and `places` payouts (as given): the dialog's
// for a table within ten seats and five places; the whole-table engine for a few players, and
// for negative counts, which only it can take (up to 24 players); the field engine otherwise.
// Throws UsageError for negative counts among more than 24 players.
Engine ChooseEngine(std::span<const int> chips, std::size_t places);

// Normalises the payouts to shares of their sum and runs the chosen engine. A payout sum of 0
// gives not-a-number shares, and with them not-a-number equities, as in the dialog. Throws
// UsageError when the place probabilities asked for do not fit in memory.
Calculation Calculate(const Arguments& args);
