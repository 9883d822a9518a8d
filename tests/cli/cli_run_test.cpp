#include "cli_test_support.h"
#include "icm.h"
#include "icm_exact.h"
#include "icm_money.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

namespace {

// The report of a run that must succeed silently.
std::string Report(const std::vector<std::string>& args, const std::string& input = "") {
    const Outcome r = RunTool(args, input);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    return r.out;
}

std::string Seat(int seat, int chips, const char* equity, const char* amount) {
    return "{\"seat\": " + std::to_string(seat) + ", \"chips\": " + std::to_string(chips) +
           ", \"equity\": " + equity + ", \"amount\": \"" + amount + "\"}";
}

// The places come after the players, and only when asked for.
TEST(CliJson, DialogExamplePrintsTheDialogsAmountsAndPlaces) {
    std::string want = "{\"pool\": 1000, \"shares\": [0.5, 0.3, 0.2, 0, 0], \"players\": [" +
                       Seat(1, 50, "0.3839285714285714", "383.928571") + ", " +
                       Seat(2, 30, "0.32749999999999996", "327.500000") + ", " +
                       Seat(3, 20, "0.2885714285714286", "288.571429");
    std::string places = "\"places\": [[0.5, 0.3392857142857143, 0.1607142857142857, 0, 0], "
                         "[0.3, 0.375, 0.325, 0, 0], [0.2, 0.2857142857142857, "
                         "0.5142857142857142, 0, 0]";
    for (int seat = 4; seat <= 10; ++seat) {
        want += ", " + Seat(seat, 0, "0", "0.000000");
        places += ", [0, 0, 0, 0, 0]";
    }
    EXPECT_EQ(Report({"--chips", "50,30,20", "--payouts", "50,30,20", "--json"}), want + "]}\n");
    EXPECT_EQ(Report({"--chips", "50,30,20", "--payouts", "50,30,20", "--json", "--places"}),
              want + "], " + places + "]}\n");
}

// Not-a-number is null, so that the report stays JSON.
TEST(CliJson, NotANumberIsNull) {
    const std::string nan = "{\"pool\": 1000, \"shares\": [null, null, null, null, null], "
                            "\"players\": [" +
                            Seat(1, 10, "null", "nan") + ", " + Seat(2, 0, "0", "0.000000") + ", " +
                            Seat(3, 5, "null", "nan") + ", ";
    EXPECT_EQ(Report({"--chips", "10,0,5", "--payouts", "0", "--json"}).substr(0, nan.size()), nan);
}

// Beyond ten seats or five places other engines serve: one entry per seat and per place, with
// the whole-table engine's numbers within the field engine's accuracy, also where negative
// payouts stand beside positive ones among stacks in a ratio of 1e5.
TEST(CliJson, LargerTablesGiveEverySeatAndPlace) {
    std::vector<int> twenty, falling;
    for (int seat = 1; seat <= 20; ++seat) {
        twenty.push_back(1000 + 250 * seat);
        falling.push_back(21 - seat);
    }
    const struct {
        std::vector<int> chips, payouts;
    } tables[] = {
        {{0, 40, 30, 10, 10, 5, 5, 0, 0, 0, 0}, {5, 3, 2}},
        {twenty, falling},
        {{0, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11212, 13, 186150, 1, 67, 18, 8, 20}, {5, 4, -2, 8, 20}},
    };
    for (const auto& t : tables) {
        const auto report = nlohmann::json::parse(Report(
            {"--chips", Joined(t.chips), "--payouts", Joined(t.payouts), "--json", "--places"}));
        // The shares as reported (how payouts become shares is the engine's tests').
        const auto shares = report["shares"].get<std::vector<double>>();
        ASSERT_EQ(shares.size(), std::max<std::size_t>(t.payouts.size(), 5));
        const std::vector<double> equity = ComputeICMEquities(t.chips, shares);
        const int places = static_cast<int>(shares.size());
        const std::vector<double> table = ComputeICMPlaceTable(t.chips, places);
        ASSERT_EQ(report["players"].size(), t.chips.size());
        ASSERT_EQ(report["places"].size(), t.chips.size());
        for (std::size_t i = 0; i < t.chips.size(); ++i) {
            EXPECT_NEAR(report["players"][i]["equity"].get<double>(), equity[i],
                        1e-10 * std::abs(equity[i]))
                << "seat " << i + 1;
            ASSERT_EQ(report["places"][i].size(), shares.size());
            for (int j = 0; j < places; ++j)
                EXPECT_NEAR(report["places"][i][j].get<double>(), table[i * places + j], 1e-12);
        }
    }
}

// Shares of +-1e250 (their sum is 1) give amounts of some 250 digits: table rows run past any
// fixed buffer and must still carry the whole amount.
TEST(CliTable, LongRowsAreWhole) {
    const int chips[ICM_PLAYERS] = {3, 1};
    const double shares[ICM_PLACES] = {1e250, -1e250, 1};
    double equity[ICM_PLAYERS];
    ComputeICMEquity(chips, equity, shares);
    std::istringstream rows(Report({"--chips", "3,1", "--payouts", "1e250,-1e250,1"}));
    std::string row;
    std::getline(rows, row); // the heading
    for (int seat = 0; seat < 2; ++seat) {
        const std::string amount = FormatAmount(equity[seat], 1000);
        EXPECT_GT(amount.size(), 250u);
        ASSERT_TRUE(std::getline(rows, row) && row.size() > amount.size());
        EXPECT_EQ(row.substr(row.size() - amount.size()), amount) << "seat " << seat + 1;
    }
    EXPECT_FALSE(std::getline(rows, row)) << row;
}

// Seats with chips only, a negative count among them (the dialog's own numbers); places add
// one column each.
TEST(CliTable, ListsSeatsWithChipsOnly) {
    // Winner takes all: seat 2 gets its chip share 200/297 of the pool.
    EXPECT_EQ(Report({"--chips=0,200,-3,0,100", "--payouts", "1", "--pool", "30", "--places"}),
              "Seat        Chips     Chips %    Equity %          Amount    Place 1    Place 2"
              "    Place 3    Place 4    Place 5\n"
              "   2          200      67.34%      67.34%       20.202020     67.34%     33.51%"
              "     -0.85%      0.00%      0.00%\n"
              "   3           -3      -1.01%       0.00%        0.000000     -1.01%     -2.60%"
              "    103.61%      0.00%      0.00%\n"
              "   5          100      33.67%      33.67%       10.101010     33.67%     69.09%"
              "     -2.76%      0.00%      0.00%\n");
}

// A table read from JSON gives the very report of the same table on the command line, for
// each engine; the report with places shows every number read.
TEST(CliInput, ReportsAsTheCommandLineDoes) {
    const struct {
        std::string chips, payouts, pool;
    } tables[] = {
        {"50,30,20", "50,30,20", ""},
        {"0,-5,10,20,0,0,0,0,0,0,0,0,3", "5,3,2", "-0.0"},
        {"1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24,25,26,27,28,29,30",
         "40,30,20,10,5,5,3,2,1", "250.5"},
        {"2147483647,1", "1", ""}, // the largest count
    };
    for (const auto& t : tables) {
        const std::string json = "{\"chips\": [" + t.chips + "], \"payouts\": [" + t.payouts + "]" +
                                 (t.pool.empty() ? "" : ", \"pool\": " + t.pool) + "}";
        std::vector<std::string> flags = {"--chips", t.chips, "--payouts", t.payouts, "--places"};
        if (!t.pool.empty())
            flags.insert(flags.end(), {"--pool", t.pool});
        EXPECT_EQ(Report({"--input", "-", "--places"}, json), Report(flags)) << json;
    }
}

} // namespace
