#pragma once

// Deals at a final table: what each player takes home if the players stop and share the money
// still in play, by ICM equity, by chips, or by ICM with part of first place left to play for.
// Amounts are whole cents, so every column sums exactly to what is dealt.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

using Cents = std::int64_t;

// Cents are exchanged as doubles with two decimals; below 10^15 cents such a double prints
// back as the same two-decimal text.
constexpr Cents ICM_MAX_CENTS = 999'999'999'999'999;

// An amount of currency as whole cents, when it is one: the double nearest to n / 100 for a
// whole n from 0 to ICM_MAX_CENTS, which is what reading a text with at most two decimals
// gives. Anything else (more decimals, negative, not finite, too large) gives nothing.
std::optional<Cents> WholeCents(double amount);

// Shares `total` cents in proportion to `amounts` (in cents, not necessarily whole) among the
// entries listed in `takers` (ascending); the others get 0. Every taker gets the whole part of
// their amount, and the cents left over go one each to the largest fractional parts, ties to the
// lower index. Should rounding in the amounts leave more cents than takers, or fewer than
// none, the extra cents go round again in the same order (or are taken back in reverse).
std::vector<Cents> ShareCents(std::span<const double> amounts, std::span<const std::size_t> takers,
                              Cents total);

struct IcmDeal {
    Cents dealt = 0;               // cents shared out: the payouts of places 1 to n
    std::vector<Cents> icm;        // per seat: pool x ICM equity
    std::vector<Cents> chipChop;   // per seat: L + chip share x (dealt - n L)
    std::vector<Cents> guaranteed; // per seat, with a set-aside: ICM deal less X x chip share
};

// The deals for the n players with chips (counts > 0; no count may be negative). `equity` is
// each seat's ICM equity as a fraction of the pool for these `shares` (places 1, 2, ...).
// When fewer players hold chips than places are paid, the places below them count as paid out
// already: the money in play is the payouts of places 1 to n, rounded to the cent. L is the
// payout of place n. A `setAside` (cents, at most first place's payout) is taken from first
// place and left to play for; the guaranteed column then shares out dealt - setAside.
IcmDeal ComputeIcmDeal(std::span<const int> chips, std::span<const double> equity,
                       std::span<const double> shares, Cents pool,
                       std::optional<Cents> setAside = std::nullopt);

// First place's payout in whole cents, rounded down (a set-aside may not exceed it).
Cents FirstPlaceCents(std::span<const double> shares, Cents pool);
