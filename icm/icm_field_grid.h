#pragma once

// Where the field engine's integral over the clock time t is sampled: the trapezoid rule runs
// on a uniform grid in x, a variable that is analytic and increasing in v = log t.
//
// v = u - exp(kLeft - u): below t = e^kLeft no player has finished yet and every integrand
// grows like t; in u that stretch of v shrinks double-exponentially, so a few nodes cover it.
//
// x = u + 2 beta (sqrt(1 + mu(v)) - 1), mu(v) the expected number of players finished by t.
// The integrand's sharpest features sit where the number finished crosses a paid place beyond
// which the payouts drop, above all the last paid place; that count spreads over about
// sqrt(mu) places, so in v they are about 1 / sqrt(mu) wide, and x stretches them to a width
// near 1 / beta. (Where every place is paid there is no such edge, and the stretch would only
// cost: as it fades out with the last players it puts turning points of x(v) close to the real
// axis. The caller passes beta 0 then.) mu is taken from the stacks grouped into at most
// kGroups groups: any smooth increasing stretch will do, and this one costs the same for every
// field size.

#include <span>
#include <vector>

class CFieldGrid {
public:
    static constexpr int kGroups = 64;
    static constexpr double kLeft = -4;

    // shares: each player's fraction of the chips (all positive).
    CFieldGrid(std::span<const double> shares, double beta);

    // An x at or below the one of v.
    double XBelow(double v) const;
    // The v of a given x, and dv/dx there.
    double V(double x, double& dvdx) const;

private:
    // x(u), and its derivative; v(u) and dv/du.
    double X(double u, double& slope, double& v, double& dvdu) const;

    std::vector<double> m_vdRate, m_vdCount; // one per group
    double m_dBeta, m_dPlayers;
};
