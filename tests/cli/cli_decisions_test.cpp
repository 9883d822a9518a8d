// --bubble and --deal on the command line: the blocks and keys they add, and a field read from
// a file.
#include "cli_test_support.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <vector>

namespace {

// The dialog's example: 50 against 20 is 1197/1099 (1.089), risk premium 2.13%. Its deal, 100
// set aside: ICM 383.93 / 327.50 / 288.57; chip chop 200 + chip share of 400; guaranteed the
// ICM deal less 50, 30 and 20.
TEST(CliDecisions, TableBlocksFollowTheSeats) {
    const Outcome r = RunTool({"--chips", "50,30,20", "--payouts", "50,30,20", "--bubble", "--deal",
                               "--set-aside", "100"});
    EXPECT_EQ(r.status, 0);
    const std::string blocks = r.out.substr(r.out.find("\n\n") + 1);
    EXPECT_EQ(blocks, "\nBubble factors (row against column)\n"
                      "Seat        1        2        3\n"
                      "   1        -    1.169    1.089\n"
                      "   2    1.545        -    1.115\n"
                      "   3    1.348    1.167        -\n"
                      "\nRisk premiums (row against column)\n"
                      "Seat        1        2        3\n"
                      "   1        -    3.90%    2.13%\n"
                      "   2   10.71%        -    2.72%\n"
                      "   3    7.41%    3.86%        -\n"
                      "\nDeal: 1000.00 in play, 100.00 of first place left to play for\n"
                      "Seat        ICM deal       Chip chop      Guaranteed\n"
                      "   1          383.93          400.00          333.93\n"
                      "   2          327.50          320.00          297.50\n"
                      "   3          288.57          280.00          268.57\n");
}

// Whole cents of a column of amounts, added up.
long long Cents(const nlohmann::json& amounts) {
    long long sum = 0;
    for (const auto& amount : amounts)
        sum += std::llround(amount.get<double>() * 100);
    return sum;
}

// A field of 1,000 from standard input, nine seats of it in the matrix: only their rows are
// arrays, over every seat; every deal column sums to the cent.
TEST(CliDecisions, FieldFromAFileWithNineSeats) {
    std::mt19937_64 rng(1604);
    nlohmann::json table;
    for (int i = 0; i < 1000; ++i)
        table["chips"].push_back(i % 97 == 5 ? 0 : static_cast<int>(1000 + rng() % 100000));
    for (int m = 1; m <= 150; ++m)
        table["payouts"].push_back(1 / std::pow(m, 1.1));
    table["pool"] = 123456.78;
    const std::vector<int> seats = {3, 100, 101, 250, 500, 640, 777, 901, 1000};
    const Outcome r = RunTool({"--input", "-", "--json", "--bubble", "--bubble-seats",
                               Joined(seats), "--deal", "--set-aside", "1000.01"},
                              table.dump());
    ASSERT_EQ(r.status, 0) << r.err;
    const nlohmann::json out = nlohmann::json::parse(r.out);
    std::vector<int> want(1000, -1); // per seat: the numbers in its row; -1 no row, -2 short
    for (int seat : seats)
        want[seat - 1] = 8;
    for (const char* key : {"bubble", "risk_premium"}) {
        std::vector<int> got;
        for (const auto& row : out[key]) {
            const auto numbers = std::count_if(row.begin(), row.end(),
                                               [](const auto& value) { return value.is_number(); });
            got.push_back(!row.is_array() ? -1 : row.size() != 1000 ? -2 : int(numbers));
        }
        EXPECT_EQ(got, want) << key;
    }
    const nlohmann::json& deal = out["deal"];
    EXPECT_EQ(Cents(deal["icm"]), 12345678);
    EXPECT_EQ(Cents(deal["chip_chop"]), 12345678);
    EXPECT_EQ(Cents(deal["guaranteed"]), 12345678 - 100001);
    EXPECT_EQ(deal["set_aside"].get<double>(), 1000.01);
}

} // namespace
