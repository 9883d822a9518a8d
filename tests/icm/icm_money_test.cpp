// The payout normalisation and the amount text that the dialog and the command-line tool share.
#include "icm_money.h"

#include <gtest/gtest.h>

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

TEST(NormalizePayouts, SumsLeftToRight) {
    // Exactly the sum is 4; left to right 1e16 swallows each 1 before -1e16 cancels it.
    const double payouts[5] = {1e16, 1, 1, -1e16, 1};
    double shares[5];
    NormalizePayouts(payouts, shares, 5);
    for (int k = 0; k < 5; ++k)
        EXPECT_EQ(shares[k], payouts[k]) << "place " << k + 1;

    const double ratio[3] = {50, 30, 20};
    double thirds[3];
    NormalizePayouts(ratio, thirds, 3);
    EXPECT_EQ(thirds[0], 0.5);
    EXPECT_EQ(thirds[1], 0.3);
    EXPECT_EQ(thirds[2], 0.2);
}

TEST(NormalizePayouts, NoPayoutsGiveNotANumber) {
    const std::vector<double> payouts(24, 0.0);
    std::vector<double> shares(payouts.size());
    NormalizePayouts(payouts.data(), shares.data(), static_cast<int>(payouts.size()));
    for (double share : shares)
        EXPECT_TRUE(std::isnan(share)) << share;
}

TEST(FormatAmount, WritesWhatPrintfWrites) {
    std::vector<double> values = {0.0,
                                  -0.0,
                                  383.9285714285714,
                                  1e-7,
                                  -1e-7,
                                  0.5e-6,
                                  1.5e-6,
                                  2.5e-6,
                                  0.0078125,
                                  1e22,
                                  1e300,
                                  -1e250,
                                  std::numeric_limits<double>::max(),
                                  std::numeric_limits<double>::denorm_min(),
                                  std::numeric_limits<double>::infinity(),
                                  -std::numeric_limits<double>::infinity()};
    // Random bit patterns cover every exponent; halves of a millionth test the rounding of ties.
    std::mt19937_64 random(10);
    for (int i = 0; i < 3000; ++i) {
        const std::uint64_t bits = random();
        double value;
        std::memcpy(&value, &bits, sizeof value);
        if (std::isfinite(value))
            values.push_back(value);
        values.push_back(static_cast<double>(random() % 20000001) / 2e6);
    }
    for (double value : values)
        ASSERT_EQ(FormatAmount(value, 1), Printf(value)) << value;
}

TEST(FormatAmount, MultipliesByThePoolAndWritesNotANumberWithoutSign) {
    EXPECT_EQ(FormatAmount(0.3839285714285714, 1000), "383.928571");
    // An empty seat's 0 times a negative pool keeps its sign, as the dialog shows it.
    EXPECT_EQ(FormatAmount(0, -1000), "-0.000000");
    EXPECT_EQ(FormatAmount(1e300, 1e300), "inf");
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(FormatAmount(nan, 1000), "nan");
    EXPECT_EQ(FormatAmount(-nan, 1000), "nan");
    EXPECT_EQ(FormatAmount(std::copysign(nan, -1.0), 1), "nan");
}

} // namespace
