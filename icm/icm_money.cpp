#include "icm_money.h"

#include <charconv>
#include <cmath>

void NormalizePayouts(const double payouts[], double shares[], int count) {
    double sum = payouts[0];
    for (int k = 1; k < count; ++k)
        sum = sum + payouts[k];
    for (int k = 0; k < count; ++k)
        shares[k] = payouts[k] / sum;
}

std::string FormatAmount(double equity, double pool) {
    const double amount = equity * pool;
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
