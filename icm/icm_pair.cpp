#include "icm_pair.h"

std::unique_ptr<IcmPairEngine> MakeIcmPairEngine(std::span<const int> chips,
                                                 std::span<const double> shares) {
    return MakeSetWalkPairEngine(chips, shares);
}
