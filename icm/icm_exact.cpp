#include "icm_exact.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <memory>
#include <stdexcept>

// With f(S) the probability that the players of the set S take the first |S| places in some
// order and R(S) the chips of everyone else, a player x outside S takes place |S|+1 with
// probability f(S) * c[x] / R(S), and the sets grow by that same step:
//   f(S) = sum over x in S of f(S \ x) * c[x] / R(S \ x).
// The walk keeps g(S) = f(S) / R(S) per set, so each step is one product and each set one
// division; place |S|+1 of x collects c[x] times the sum of g(S) over the sets without x.
// A set's subsets without one player have smaller masks, so ascending mask order sees every
// g it needs already formed.

namespace {

using Chips = std::int64_t;

// The dialog's total: summed wide, biased by 1e-6 and truncated, which moves a negative
// total one step towards zero.
Chips ChipTotal(std::span<const int> chips) {
    Chips sum = 0;
    for (int count : chips)
        sum += count;
    return static_cast<Chips>(static_cast<double>(sum) + 1e-6);
}

// Chips of any set of up to 24 players, from two tables of 4096 partial sums.
class SetChips {
public:
    explicit SetChips(const Chips* count, int n) {
        for (int half = 0; half < 2; ++half) {
            Chips* sums = half == 0 ? low_.get() : high_.get();
            sums[0] = 0;
            for (unsigned set = 1; set < kHalf; ++set) {
                const int x = std::countr_zero(set) + half * kBits;
                sums[set] = sums[set & (set - 1)] + (x < n ? count[x] : 0);
            }
        }
    }
    Chips Of(std::uint32_t set) const { return low_[set & (kHalf - 1)] + high_[set >> kBits]; }

private:
    static constexpr int kBits = ICM_MAX_PLAYERS / 2;
    static constexpr unsigned kHalf = 1u << kBits;
    std::unique_ptr<Chips[]> low_ = std::make_unique<Chips[]>(kHalf);
    std::unique_ptr<Chips[]> high_ = std::make_unique<Chips[]>(kHalf);
};

} // namespace

std::vector<double> ComputeICMPlaceTable(std::span<const int> chips, int places) {
    if (chips.size() > ICM_MAX_PLAYERS)
        throw std::invalid_argument("ICM: more than 24 players");
    if (places < 0 || places > ICM_MAX_PLACES)
        throw std::invalid_argument("ICM: places outside 0 to 24");
    std::vector<double> table(chips.size() * static_cast<std::size_t>(places), 0.0);

    // Players with chips (or negative counts) only; empty seats take no place.
    int seat[ICM_MAX_PLAYERS];
    Chips whole[ICM_MAX_PLAYERS];
    double count[ICM_MAX_PLAYERS];
    int n = 0;
    for (std::size_t i = 0; i < chips.size(); ++i) {
        if (chips[i] == 0)
            continue;
        seat[n] = static_cast<int>(i);
        whole[n] = chips[i];
        count[n] = static_cast<double>(chips[i]);
        ++n;
    }
    const int paid = std::min(places, n);
    if (paid == 0)
        return table;

    const Chips total = ChipTotal(chips);
    const SetChips setChips(whole, n);
    const std::uint32_t everyone = (std::uint32_t{1} << n) - 1;
    const auto g = std::make_unique_for_overwrite<double[]>(std::size_t{everyone} + 1);
    double sums[ICM_MAX_PLACES][ICM_MAX_PLAYERS] = {}; // [place][player]: sum of g

    for (std::uint32_t set = 0; set <= everyone; ++set) {
        const int placed = std::popcount(set);
        if (placed >= paid)
            continue;
        double f = set == 0 ? 1.0 : 0.0;
        for (std::uint32_t m = set; m != 0; m &= m - 1) {
            const int x = std::countr_zero(m);
            f += g[set ^ (std::uint32_t{1} << x)] * count[x];
        }
        const double gs = f / static_cast<double>(total - setChips.Of(set));
        g[set] = gs;
        double* sum = sums[placed];
        for (std::uint32_t m = everyone & ~set; m != 0; m &= m - 1)
            sum[std::countr_zero(m)] += gs;
    }

    for (int x = 0; x < n; ++x)
        for (int j = 0; j < paid; ++j)
            table[static_cast<std::size_t>(seat[x]) * places + j] = count[x] * sums[j][x];
    return table;
}

std::vector<double> ICMEquitiesFromTable(std::span<const int> chips, std::span<const double> table,
                                         std::span<const double> shares) {
    const std::size_t places = shares.size();
    std::vector<double> equity(chips.size(), 0.0);
    for (std::size_t i = 0; i < chips.size(); ++i) {
        if (chips[i] <= 0)
            continue;
        double acc = 0.0;
        for (std::size_t j = 0; j < places; ++j)
            acc = table[i * places + j] * shares[j] + acc;
        equity[i] = acc;
    }
    return equity;
}

std::vector<double> ComputeICMEquities(std::span<const int> chips, std::span<const double> shares) {
    const std::vector<double> table = ComputeICMPlaceTable(chips, static_cast<int>(shares.size()));
    return ICMEquitiesFromTable(chips, table, shares);
}
