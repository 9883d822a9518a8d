#include "icm_pair.h"

#include <algorithm>

namespace {

// Players up to which the walk over sets beats the field engine's nodes; the command-line
// tool switches engines at the same size.
constexpr std::ptrdiff_t kSetWalkPlayers = 12;

} // namespace

std::unique_ptr<IcmPairEngine> MakeIcmPairEngine(std::span<const int> chips,
                                                 std::span<const double> shares) {
    if (std::count_if(chips.begin(), chips.end(), [](int count) { return count > 0; }) <=
        kSetWalkPlayers)
        return MakeSetWalkPairEngine(chips, shares);
    return MakeFieldPairEngine(chips, shares);
}
