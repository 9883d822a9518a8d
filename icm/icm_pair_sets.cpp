#include "icm_pair.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <stdexcept>
#include <vector>

// The same walk as the whole-table engine: with g(S) the probability that the players of S
// take the first |S| places, divided by the chips of everyone else, player x outside S takes
// place |S|+1 with probability c_x g(S), and g(S) = sum over x in S of g(S \ x) c_x / R(S).
// Each table one all-in away is walked afresh; the walk is small enough at the sizes this
// engine serves that sharing the untouched sets would not repay its bookkeeping.

namespace {

constexpr std::size_t kMaxPlayers = 24;

class SetWalkPairEngine : public IcmPairEngine {
public:
    SetWalkPairEngine(std::span<const int> chips, std::span<const double> shares)
        : shares_(shares.begin(), shares.end()), seatCount_(chips.size()) {
        for (std::size_t seat = 0; seat < chips.size(); ++seat) {
            if (chips[seat] > 0) {
                seats_.push_back(seat);
                table_.push_back(chips[seat]);
            }
        }
        if (seats_.size() > kMaxPlayers)
            throw std::invalid_argument("ICM pairs: more than 24 players");
        Walk(table_);
        now_.assign(seatCount_, 0.0);
        for (std::size_t x = 0; x < seats_.size(); ++x)
            now_[seats_[x]] = equity_[x];
    }

    double Now(std::size_t seat) override { return now_[seat]; }

    std::pair<double, double> After(std::size_t a, PairChips ca, std::size_t b,
                                    PairChips cb) override {
        changed_.clear();
        double ea = 0, eb = 0;
        std::size_t ia = seats_.size(), ib = seats_.size();
        for (std::size_t x = 0; x < seats_.size(); ++x) {
            PairChips count = table_[x];
            if (seats_[x] == a)
                count = ca;
            else if (seats_[x] == b)
                count = cb;
            if (count == 0)
                continue;
            if (seats_[x] == a)
                ia = changed_.size();
            if (seats_[x] == b)
                ib = changed_.size();
            changed_.push_back(count);
        }
        Walk(changed_);
        if (ia < changed_.size())
            ea = equity_[ia];
        if (ib < changed_.size())
            eb = equity_[ib];
        return {ea, eb};
    }

private:
    // Fills equity_[x] for the players with the given (positive) counts.
    void Walk(const std::vector<PairChips>& count) {
        const std::size_t n = count.size();
        const int paid = static_cast<int>(std::min(shares_.size(), n));
        const std::uint32_t sets = std::uint32_t{1} << n;
        setChips_.resize(sets);
        g_.resize(sets);
        sum_.assign(n, 0.0);
        PairChips total = 0;
        for (const PairChips c : count)
            total += c;
        const std::uint32_t everyone = sets - 1;
        for (std::uint32_t set = 0; set < sets; ++set) {
            const int placed = std::popcount(set);
            if (placed >= paid)
                continue;
            double f = 1.0;
            if (set != 0) {
                setChips_[set] = setChips_[set & (set - 1)] + count[std::countr_zero(set)];
                f = 0.0;
                for (std::uint32_t m = set; m != 0; m &= m - 1) {
                    const int x = std::countr_zero(m);
                    f += g_[set ^ (std::uint32_t{1} << x)] * static_cast<double>(count[x]);
                }
            } else {
                setChips_[0] = 0;
            }
            const double g = f / static_cast<double>(total - setChips_[set]);
            g_[set] = g;
            const double paidHere = shares_[placed] * g;
            for (std::uint32_t m = everyone & ~set; m != 0; m &= m - 1)
                sum_[std::countr_zero(m)] += paidHere;
        }
        equity_.resize(n);
        for (std::size_t x = 0; x < n; ++x)
            equity_[x] = static_cast<double>(count[x]) * sum_[x];
    }

    std::vector<double> shares_;
    std::size_t seatCount_;
    std::vector<std::size_t> seats_; // seats with chips
    std::vector<PairChips> table_;   // their counts
    std::vector<double> now_;        // every seat's equity in the table as given
    // Buffers kept from walk to walk.
    std::vector<PairChips> changed_, setChips_;
    std::vector<double> g_, sum_, equity_;
};

} // namespace

std::unique_ptr<IcmPairEngine> MakeSetWalkPairEngine(std::span<const int> chips,
                                                     std::span<const double> shares) {
    return std::make_unique<SetWalkPairEngine>(chips, shares);
}
