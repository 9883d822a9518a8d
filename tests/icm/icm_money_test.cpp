// The payout normalisation and the amount text that the dialog and the command-line tool share.
#include "icm_money.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace {

// "%f" as the runtime writes it; on Windows through the printf the dialog used to call.
std::string Printf(double value) {
#ifdef __MINGW32__
    wchar_t wide[400];
    __mingw_snwprintf(wide, 400, L"%f", value);
    return std::string(wide, wide + std::wcslen(wide));
#else
    char text[400];
    std::snprintf(text, sizeof text, "%f", value);
    return text;
#endif
}

// All-zero payouts giving not-a-number shares are the command line's and the dialog's tests'.
TEST(NormalizePayouts, ProportionsSummedLeftToRight) {
    // Exactly the sum is 4; left to right 1e16 swallows each 1 before -1e16 cancels it.
    const double payouts[5] = {1e16, 1, 1, -1e16, 1}, ratio[3] = {50, 30, 20};
    double shares[24];
    NormalizePayouts(payouts, shares, 5);
    EXPECT_EQ(std::vector<double>(shares, shares + 5), std::vector<double>(payouts, payouts + 5));
    NormalizePayouts(ratio, shares, 3);
    EXPECT_EQ(std::vector<double>(shares, shares + 3), (std::vector<double>{0.5, 0.3, 0.2}));
    // Finite payouts whose sum overflows keep their proportions.
    const double huge[3] = {1e308, 1e308, 1e308};
    NormalizePayouts(huge, shares, 3);
    EXPECT_EQ(std::vector<double>(shares, shares + 3), std::vector<double>(3, 1.0 / 3));
}

TEST(FormatAmount, WritesWhatPrintfWrites) {
    using Limits = std::numeric_limits<double>;
    // Signed zeros, a worked amount, ties of the sixth decimal, the extremes and infinities.
    std::vector<double> values = {0.0,    -0.0,   383.9285714285714, 1e-7, -1e-7, 0.5e-6,
                                  1.5e-6, 2.5e-6, 0.0078125,         1e22, 1e300, -1e250};
    for (double extreme : {Limits::max(), Limits::denorm_min(), Limits::infinity()})
        values.insert(values.end(), {extreme, -extreme});
    // Random bit patterns cover every exponent; halves of a millionth test the rounding of ties.
    std::mt19937_64 random(10);
    for (int i = 0; i < 3000; ++i) {
        const double value = std::bit_cast<double>(static_cast<std::uint64_t>(random()));
        if (std::isfinite(value))
            values.push_back(value);
        values.push_back(static_cast<double>(random() % 20000001) / 2e6);
    }
    for (double value : values)
        ASSERT_EQ(FormatAmount(value, 1), Printf(value)) << value;
}

// The worked amounts, a negative pool's "-0.000000" and not-a-number are the dialog's tests'.
TEST(FormatAmount, MultipliesByThePoolAndWritesNotANumberWithoutSign) {
    EXPECT_EQ(FormatAmount(1e300, 1e300), "inf");
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(FormatAmount(nan, 1000), "nan");
    EXPECT_EQ(FormatAmount(std::copysign(nan, -1.0), 1), "nan");
    // An empty seat's share is nothing of any pool, where 0 * pool would be not-a-number.
    for (double pool : {std::numeric_limits<double>::infinity(), -HUGE_VAL, nan})
        EXPECT_EQ(FormatAmount(0, pool), "0.000000") << pool;
    EXPECT_EQ(FormatAmount(0.5, HUGE_VAL), "inf");
}

} // namespace
