#pragma once

// What --bubble and --deal ask of a table: checked before the engines run, so that a refusal
// never waits for a large field, and computed after.

#include "calculation.h"

#include <cstddef>
#include <optional>
#include <vector>

// Rows of a bubble matrix in one call: some 2,500 all-ins at most.
constexpr std::size_t kMaxBubbleRows = 50;

struct DecisionPlan {
    std::optional<std::vector<std::size_t>> bubbleSeats; // rows and columns, in seat order
    std::optional<Cents> pool;                           // with --deal
    std::optional<Cents> setAside;
};

// Throws UsageError for a table these options cannot take: negative counts, seats outside the
// table or without chips, more than 50 players without --bubble-seats, payouts that cannot be
// dealt, a pool or set-aside that is not an amount in whole cents, a set-aside above first
// place's payout.
DecisionPlan PlanDecisions(const Arguments& args);

// Adds the bubble matrix and the deal to a calculation of the same arguments.
void AddDecisions(const DecisionPlan& plan, Calculation& calc);
