#pragma once

// ICM equities of one table and of the tables one all-in away from it, where only two stacks
// differ. Bubble factors ask for many of these; the engines behind this interface share the
// work that the unchanged players have in common.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <utility>

using PairChips = std::int64_t; // a winner may hold more than a 32-bit count

class IcmPairEngine {
public:
    virtual ~IcmPairEngine() = default;
    // The equity of `seat` in the table as given.
    virtual double Now(std::size_t seat) = 0;
    // The equities of seats a and b once their counts are ca and cb (the chip total unchanged;
    // a count of 0 is a player out, who earns 0 here), every other seat as given.
    virtual std::pair<double, double> After(std::size_t a, PairChips ca, std::size_t b,
                                            PairChips cb) = 0;
};

// The walk over the sets of placed players: exact to rounding, its time grows with the number
// of sets of fewer players than places are paid.
std::unique_ptr<IcmPairEngine> MakeSetWalkPairEngine(std::span<const int> chips,
                                                     std::span<const double> shares);

// The field engine's nodes, kept from one integral of the table: each equity after an all-in
// costs one pass over the nodes. Counts beyond 32 bits after an all-in throw
// std::overflow_error.
std::unique_ptr<IcmPairEngine> MakeFieldPairEngine(std::span<const int> chips,
                                                   std::span<const double> shares);

// The engine that suits the table's size. Counts must not be negative.
std::unique_ptr<IcmPairEngine> MakeIcmPairEngine(std::span<const int> chips,
                                                 std::span<const double> shares);
