#include "icm_money.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace {

double SumLeftToRight(const double values[], int count, double divisor) {
    double sum = values[0] / divisor;
    for (int k = 1; k < count; ++k)
        sum = sum + values[k] / divisor;
    return sum;
}

} // namespace

void NormalizePayouts(const double payouts[], double shares[], int count) {
    // x / 1 is x exactly, so sums that stay in range give the plain left-to-right shares.
    double scale = 1.0;
    double sum = SumLeftToRight(payouts, count, scale);
    if (!std::isfinite(sum)) {
        // Finite payouts whose sum overflows still have plain proportions: scaled by the
        // largest first, they sum to at most count. Infinite payouts have none.
        double largest = 0.0;
        for (int k = 0; k < count; ++k)
            largest = std::max(largest, std::fabs(payouts[k]));
        if (std::isfinite(largest)) {
            scale = largest;
            sum = SumLeftToRight(payouts, count, scale);
        }
    }
    for (int k = 0; k < count; ++k)
        shares[k] = payouts[k] / scale / sum;
}

std::string FormatAmount(double equity, double pool) {
    // A zero share is nothing of any pool, also of an infinite or unreadable one, where
    // 0 * pool would be not-a-number.
    const double amount = equity == 0.0 && !std::isfinite(pool) ? 0.0 : equity * pool;
    // The runtimes disagree on the sign of a not-a-number ("-nan" in glibc).
    if (std::isnan(amount))
        return "nan";
    // to_chars writes what "%f" writes in the C locale, the same on every runtime. The largest
    // double has 309 digits before the point.
    char text[400];
    const auto written =
        std::to_chars(text, text + sizeof text, amount, std::chars_format::fixed, 6);
    return std::string(text, written.ptr);
}
