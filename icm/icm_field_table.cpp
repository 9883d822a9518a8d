#include "icm_field.h"

#include "icm_field_quadrature.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>

// The place table integrates every player's whole row of place probabilities, so it holds
// players * places doubles several times over (the sums of two levels of the trapezoid rule).
std::vector<double> ComputeFieldPlaceTable(std::span<const int> chips, int places) {
    if (places < 0)
        throw std::invalid_argument("ICM: negative number of places");
    std::int64_t total = 0;
    for (std::size_t i = 0; i < chips.size(); ++i) {
        if (chips[i] < 0)
            throw std::invalid_argument("ICM: seat " + std::to_string(i + 1) +
                                        " has a negative chip count");
        total += chips[i];
    }
    const std::size_t cells = chips.size() * static_cast<std::size_t>(places);
    if (places > 0 && cells / static_cast<std::size_t>(places) != chips.size())
        throw std::length_error("ICM: place table too large");
    std::vector<double> table(cells, 0.0);

    std::vector<double> share;
    std::vector<std::size_t> seat;
    for (std::size_t i = 0; i < chips.size(); ++i) {
        if (chips[i] == 0)
            continue;
        seat.push_back(i);
        share.push_back(chips[i] / static_cast<double>(total));
    }
    const int players = static_cast<int>(share.size());
    const int paid = std::min(places, players);
    if (paid == 0)
        return table;

    CFieldQuadrature quadrature(share, paid);
    std::vector<double> q(static_cast<std::size_t>(players) + 2);
    const std::vector<double> sums =
        quadrature.Run(players * paid, [&](const SFieldNode& node, double* sum) {
            const CFinishCounts& counts = *node.counts;
            if (counts.Lo() >= paid)
                return;
            for (int i = 0; i < players; ++i) {
                const double density = share[i] * node.t * node.a[i];
                if (density < 1e-21)
                    continue;
                int lo, hi;
                DivideFactor(counts.Coefficients(), counts.Lo(), counts.Hi(), node.a[i], node.b[i],
                             q.data(), lo, hi);
                double* row = sum + static_cast<std::size_t>(i) * paid;
                const double scale = node.weight * share[i] * node.a[i];
                for (int m = lo; m <= std::min(hi, paid - 1); ++m)
                    row[m] += scale * std::max(q[m], 0.0);
            }
        });
    for (int i = 0; i < players; ++i)
        std::copy_n(sums.begin() + static_cast<std::ptrdiff_t>(i) * paid, paid,
                    table.begin() + static_cast<std::ptrdiff_t>(seat[i] * places));
    return table;
}
