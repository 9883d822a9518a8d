#include "run.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Result {
    int status;
    std::string out;
    std::string err;
};

Result RunTool(std::initializer_list<const char*> args) {
    std::vector<const char*> argv = {"tallyvane-icm"};
    argv.insert(argv.end(), args);
    std::ostringstream out, err;
    const int status = RunCommandLine(static_cast<int>(argv.size()), argv.data(), out, err);
    return {status, out.str(), err.str()};
}

std::string Seat(int seat, int chips, const char* equity, const char* amount) {
    return "{\"seat\": " + std::to_string(seat) + ", \"chips\": " + std::to_string(chips) +
           ", \"equity\": " + equity + ", \"amount\": \"" + amount + "\"}";
}

TEST(CliJson, DialogExamplePrintsTheDialogsAmounts) {
    const Result r = RunTool({"--chips", "50,30,20", "--payouts", "50,30,20", "--json"});
    std::string expected = "{\"pool\": 1000, \"shares\": [0.5, 0.3, 0.2, 0, 0], \"players\": [" +
                           Seat(1, 50, "0.3839285714285714", "383.928571") + ", " +
                           Seat(2, 30, "0.32749999999999996", "327.500000") + ", " +
                           Seat(3, 20, "0.2885714285714286", "288.571429");
    for (int seat = 4; seat <= 10; ++seat)
        expected += ", " + Seat(seat, 0, "0", "0.000000");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, expected + "]}\n");
    EXPECT_EQ(r.err, "");
}

TEST(CliJson, OnlyTheProportionsOfThePayoutsCount) {
    const Result percent =
        RunTool({"--chips", "40,30,10,10,5,5", "--payouts", "50,30,20", "--json"});
    const Result ratio = RunTool({"--chips", "40,30,10,10,5,5", "--payouts", "5,3,2", "--json"});
    EXPECT_EQ(percent.status, 0);
    EXPECT_EQ(percent.out, ratio.out);
}

TEST(CliJson, ZeroPayoutSumGivesNotANumberForPlayersWithChips) {
    const Result r = RunTool({"--chips", "10,0,5", "--payouts", "0", "--pool", "250", "--json"});
    EXPECT_EQ(r.status, 0);
    const std::regex nanSeat(
        R"(\{"seat": (1|3), "chips": (10|5), "equity": null, "amount": "-?nan"\})");
    const auto seats = std::sregex_iterator(r.out.begin(), r.out.end(), nanSeat);
    EXPECT_EQ(std::distance(seats, std::sregex_iterator()), 2) << r.out;
    EXPECT_NE(r.out.find(Seat(2, 0, "0", "0.000000")), std::string::npos) << r.out;
}

TEST(CliTable, ListsSeatsWithChipsOnly) {
    const Result r = RunTool({"--chips", "0,200,-3,0,100", "--payouts", "1", "--pool", "30"});
    EXPECT_EQ(r.status, 0);
    std::istringstream lines(r.out);
    std::string line;
    std::vector<std::string> rows;
    std::getline(lines, line); // heading
    while (std::getline(lines, line))
        rows.push_back(line);
    ASSERT_EQ(rows.size(), 3u) << r.out;
    EXPECT_EQ(rows[0].substr(0, 4), "   2");
    EXPECT_EQ(rows[1].substr(0, 4), "   3");
    EXPECT_EQ(rows[2].substr(0, 4), "   5");
    // A winner-take-all payout pays each player the chip share of the pool.
    EXPECT_NE(rows[0].find("67.34%"), std::string::npos) << rows[0];
    EXPECT_NE(rows[0].find("20.202020"), std::string::npos) << rows[0];
    EXPECT_NE(rows[1].find("0.000000"), std::string::npos) << rows[1];
}

TEST(CliOptions, HelpGoesToStdoutAndSucceeds) {
    const Result r = RunTool({"--help"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("--payouts"), std::string::npos);
    EXPECT_EQ(r.err, "");
}

TEST(CliOptions, AcceptsBlanksAroundElementsAndSignedCounts) {
    const Result spaced = RunTool({"--chips= -5, 10 ,20", "--payouts", "50, 30,20", "--json"});
    const Result packed = RunTool({"--chips=-5,10,20", "--payouts", "50,30,20", "--json"});
    EXPECT_EQ(spaced.status, 0) << spaced.err;
    EXPECT_EQ(spaced.out, packed.out);
    EXPECT_NE(packed.out.find("\"amount\": \"480.000000\""), std::string::npos) << packed.out;
}

} // namespace
