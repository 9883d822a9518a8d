#pragma once

// Independent chip model for whole tournament fields: any number of players and of paid
// places. The model of ComputeICMEquities, computed from the race of exponential clocks that
// it is equal to: player i with chip share s_i holds a clock that rings at a random time of
// rate s_i; the first clock to ring takes 1st place, the next 2nd, and so on. Hence
//   P(i takes place m+1) = integral over t of s_i e^(-s_i t) [z^m] prod_{j != i} (a_j + b_j z),
// a_j = e^(-s_j t) the chance that j's clock has not rung by t, b_j = 1 - a_j. The integral is
// taken by a trapezoid rule whose node count comes from its own error estimate
// (icm_field_quadrature.h); every equity is meant to be within 1e-10 relative of the exact
// value, or 1e-15 of the pool where that is larger. Plain double arithmetic in a fixed order:
// the same bits on every run.

#include <cstddef>
#include <span>
#include <vector>

// chips: one count per seat, 0 = empty seat (takes no place, equity 0). A negative count
// throws std::invalid_argument naming the seat. shares: pool fraction of places 1..k; k may
// exceed the number of players with chips (those places pay nobody), and may have either sign.
// Returns one equity per seat. Throws std::runtime_error should the integral not converge
// (an answer it cannot vouch for is not given).
std::vector<double> ComputeFieldEquities(std::span<const int> chips,
                                         std::span<const double> shares);

// Row-major table, element [i * places + j] = P(seat i finishes in place j+1), like
// ComputeICMPlaceTable. Throws std::length_error or std::bad_alloc beyond what fits.
std::vector<double> ComputeFieldPlaceTable(std::span<const int> chips, int places);

// One field, integrated once, kept for questions about small changes to it.
//
// The constructor integrates every player's equity (Equities()). It keeps each node of the
// integral with the distribution of the number of players finished by that node, so the
// equity of a player after two stacks change (an all-in between two players, one of whom may
// bust) costs only a pass over the stored nodes, without touching the rest of the field:
// O(nodes * window) instead of O(nodes * players * window) for a fresh field.
class CFieldICM {
public:
    CFieldICM(std::span<const int> chips, std::span<const double> shares);

    // One equity per seat, as ComputeFieldEquities.
    const std::vector<double>& Equities() const { return m_vdEquity; }

    // Equity of seat i when seat i holds newChipsI and seat j (j != i) newChipsJ instead of
    // their current counts, everyone else unchanged, and the places pay `shares` (which may
    // differ from the constructor's, e.g. when j busts; at most as many places as then). A
    // count of 0 takes the seat out of the field. The integral reuses this field's nodes, and
    // holds the engine's accuracy for any new stacks: where every place is paid, the last
    // place's share is taken out beforehand, so a stack below the field's smallest needs no
    // node beyond the last. Only where the nodes end before j's new stack (below the field's)
    // has surely finished, which takes nearly every place paid, is the changed field integrated
    // afresh. Throws std::invalid_argument for a negative count or a seat outside the field.
    double EquityAfterChange(int i, int newChipsI, int j, int newChipsJ,
                             std::span<const double> shares) const;

    // How the integral went: nodes evaluated, levels of halving.
    int Nodes() const { return static_cast<int>(m_vdT.size()); }
    int Levels() const { return m_nLevels; }

private:
    bool TailNegligible(double rj, int places, int players) const;

    std::vector<int> m_vnChips;    // per seat, as given
    std::vector<int> m_vnPlayer;   // per seat: index among the players with chips, or -1
    std::vector<double> m_vdShare; // per player: fraction of the chips
    double m_dTotal = 0;           // chips in the field
    int m_nPlaces = 0;
    int m_nLevels = 0;
    std::vector<double> m_vdEquity;
    // Per node: time, weight (step included), window of the finish-count distribution.
    std::vector<double> m_vdT, m_vdWeight;
    std::vector<int> m_vnLo, m_vnHi;
    std::vector<std::size_t> m_vnOffset;
    std::vector<double> m_vdCounts;
};
