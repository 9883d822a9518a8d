#include "icm_pair.h"

#include "icm_field.h"

#include <algorithm>
#include <climits>
#include <stdexcept>
#include <vector>

// The field engine integrates the field once and keeps, node by node, the distribution of the
// number of players finished; a table one all-in away then costs a pass over those nodes with
// the two old stacks divided out and the new ones put in, never a pass over the whole field.
// Now() comes from the same nodes, so the three equities of a bubble factor share one rule.
//
// The nodes follow the stacks the field has. A stack smaller than all of them rings its clock
// later than any node looks when the last places are paid, and its equity comes out wrong by
// up to a quarter; such a table is integrated afresh.

namespace {

class FieldPairEngine : public IcmPairEngine {
public:
    FieldPairEngine(std::span<const int> chips, std::span<const double> shares)
        : field_(chips, shares), chips_(chips.begin(), chips.end()),
          shares_(shares.begin(), shares.end()) {
        for (const int count : chips)
            if (count > 0)
                smallest_ = std::min(smallest_, PairChips{count});
    }

    double Now(std::size_t seat) override { return field_.Equities()[seat]; }

    std::pair<double, double> After(std::size_t a, PairChips ca, std::size_t b,
                                    PairChips cb) override {
        if (ca > INT_MAX || cb > INT_MAX)
            throw std::overflow_error("ICM pairs: a count beyond 32 bits");
        const int i = static_cast<int>(a), j = static_cast<int>(b);
        const int ci = static_cast<int>(ca), cj = static_cast<int>(cb);
        if ((ci > 0 && ci < smallest_) || (cj > 0 && cj < smallest_))
            return Afresh(a, ci, b, cj);
        return {field_.EquityAfterChange(i, ci, j, cj, shares_),
                field_.EquityAfterChange(j, cj, i, ci, shares_)};
    }

private:
    std::pair<double, double> Afresh(std::size_t a, int ca, std::size_t b, int cb) {
        changed_ = chips_;
        changed_[a] = ca;
        changed_[b] = cb;
        const std::vector<double> equity = ComputeFieldEquities(changed_, shares_);
        return {equity[a], equity[b]};
    }

    CFieldICM field_;
    std::vector<int> chips_, changed_;
    std::vector<double> shares_;
    PairChips smallest_ = INT_MAX;
};

} // namespace

std::unique_ptr<IcmPairEngine> MakeFieldPairEngine(std::span<const int> chips,
                                                   std::span<const double> shares) {
    return std::make_unique<FieldPairEngine>(chips, shares);
}
