#pragma once

// Where the field engine's integral over the clock time t is sampled. The trapezoid rule runs
// on a uniform grid in x = v + 2 beta (sqrt(1 + mu(v)) - 1), v = log t, mu(v) the expected
// number of players finished by t. The integrand's sharpest features sit where the number
// finished crosses a paid place; that count spreads over about sqrt(mu) places, so in v they
// are about 1 / sqrt(mu) wide, and x stretches them to a width near 1 / beta. x is analytic
// and increasing in v, so the trapezoid rule in x keeps its geometric convergence.
// mu is taken from the stacks grouped into at most kGroups groups: any smooth increasing
// stretch will do, and this one costs the same for every field size.

#include <span>
#include <vector>

class CFieldGrid {
public:
    static constexpr int kGroups = 64;

    // shares: each player's fraction of the chips (all positive).
    CFieldGrid(std::span<const double> shares, double beta);

    double X(double v) const;
    // The v of a given x, and dv/dx there.
    double V(double x, double& dvdx) const;

private:
    double Mu(double v, double& dmu) const;

    std::vector<double> m_vdRate, m_vdCount; // one per group
    double m_dBeta, m_dPlayers;
};
