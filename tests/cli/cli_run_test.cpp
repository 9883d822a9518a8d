#include "calculation.h"
#include "icm_exact.h"
#include "run.h"
#include "usage_error.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <initializer_list>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace {

// Runs the tool in-process with `input` on standard input; returns stdout after checking that
// it succeeded silently.
std::string RunTool(std::vector<const char*> args, const std::string& input = "") {
    std::vector<const char*> argv = {"tallyvane-icm"};
    argv.insert(argv.end(), args.begin(), args.end());
    std::istringstream in(input);
    std::ostringstream out, err;
    EXPECT_EQ(RunCommandLine(static_cast<int>(argv.size()), argv.data(), in, out, err), 0);
    EXPECT_EQ(err.str(), "");
    return out.str();
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
    EXPECT_EQ(RunTool({"--chips", "50,30,20", "--payouts", "50,30,20", "--json"}), want + "]}\n");
    EXPECT_EQ(RunTool({"--chips", "50,30,20", "--payouts", "50,30,20", "--json", "--places"}),
              want + "], " + places + "]}\n");
}

TEST(CliJson, OnlyTheProportionsOfThePayoutsCount) {
    EXPECT_EQ(RunTool({"--chips", "40,30,10,10,5,5", "--payouts", "50,30,20", "--json"}),
              RunTool({"--chips", "40,30,10,10,5,5", "--payouts", "5, 3 ,2", "--json"}));
}

TEST(CliJson, ZeroPayoutSumGivesNotANumberForPlayersWithChips) {
    const std::string out = RunTool({"--chips", "10,0,5", "--payouts", "0", "--json"});
    // "nan" whatever the sign bit, as the dialog writes it (glibc's "%f" would say "-nan").
    const std::regex nan(R"(\{"seat": \d+, "chips": \d+, "equity": null, "amount": "nan"\})");
    const auto seats = std::sregex_iterator(out.begin(), out.end(), nan);
    EXPECT_EQ(std::distance(seats, std::sregex_iterator()), 2) << out;
    EXPECT_NE(out.find(Seat(2, 0, "0", "0.000000")), std::string::npos) << out;
}

TEST(CliJson, NegativeZeroKeepsItsSign) {
    // A negative payout sum turns the empty places' shares into -0.
    const std::string out =
        RunTool({"--chips", "5", "--payouts", "1,-2", "--pool", "-0", "--json"});
    const std::string head =
        "{\"pool\": -0.0, \"shares\": [-1, 2, -0.0, -0.0, -0.0], \"players\": [";
    EXPECT_EQ(out.substr(0, head.size()), head);
    EXPECT_NE(out.find(Seat(1, 5, "-1", "0.000000")), std::string::npos) << out;
    EXPECT_NE(out.find(Seat(2, 0, "0", "-0.000000")), std::string::npos) << out;
}

// Payouts whose sum overflows a double keep their proportions: 1e308 five times is 1 five times.
TEST(CliJson, PayoutsWhoseSumOverflowsKeepTheirProportions) {
    for (const char* chips : {"50,30,20", "5,4,3,2,1,1,1,1,1,1,1"})
        EXPECT_EQ(
            RunTool({"--chips", chips, "--payouts", "1e308,1e308,1e308,1e308,1e308", "--json"}),
            RunTool({"--chips", chips, "--payouts", "1,1,1,1,1", "--json"}));
}

// Beyond ten seats or five places another engine takes over; the table keeps at least
// ten seats and five places, and its JSON has one entry per seat and per place.
TEST(CliJson, LargerTablesUseEverySeatAndPlace) {
    const std::string dialog = RunTool({"--chips", "40,30,10,10,5,5", "--payouts", "5,3,2"});
    EXPECT_EQ(RunTool({"--chips", "40,30,10,10,5,5,0,0,0,0,0", "--payouts", "5,3,2"}), dialog);
    EXPECT_EQ(RunTool({"--chips", "40,30,10,10,5,5", "--payouts", "5,3,2,0,0,0"}), dialog);

    std::string chips = "1000", payouts = "20";
    for (int seat = 2; seat <= 20; ++seat) {
        chips += "," + std::to_string(1000 + 250 * seat);
        payouts += "," + std::to_string(21 - seat);
    }
    const std::string out =
        RunTool({"--chips", chips.c_str(), "--payouts", payouts.c_str(), "--json", "--places"});
    const std::regex seat(R"(\{"seat": (\d+), "chips": \d+, "equity": ([0-9.e-]+), )");
    double sum = 0;
    int seats = 0;
    for (auto it = std::sregex_iterator(out.begin(), out.end(), seat); it != std::sregex_iterator();
         ++it, ++seats) {
        EXPECT_EQ(std::stoi((*it)[1]), seats + 1);
        sum += std::stod((*it)[2]);
    }
    EXPECT_EQ(seats, 20);
    EXPECT_NEAR(sum, 1.0, 1e-10);
    const std::size_t places = out.find("\"places\": [[");
    ASSERT_NE(places, std::string::npos) << out;
    const std::string rows = out.substr(places);
    EXPECT_EQ(std::count(rows.begin(), rows.end(), '['), 21);
    EXPECT_EQ(std::count(rows.begin(), rows.end(), ','), 20 * 20 - 1);
}

TEST(CliTable, PlacesAddOneColumnPerPlace) {
    EXPECT_EQ(RunTool({"--chips", "3,1", "--payouts", "1", "--places"}),
              "Seat        Chips     Chips %    Equity %          Amount    Place 1    Place 2"
              "    Place 3    Place 4    Place 5\n"
              "   1            3      75.00%      75.00%      750.000000     75.00%     25.00%"
              "      0.00%      0.00%      0.00%\n"
              "   2            1      25.00%      25.00%      250.000000     25.00%     75.00%"
              "      0.00%      0.00%      0.00%\n");
}

// Shares of +-1e250 give amounts of some 250 digits: table rows run past any fixed buffer and
// must still carry the whole amount, the same text as in the JSON.
TEST(CliTable, LongRowsAreWhole) {
    const std::string table = RunTool({"--chips", "3,1", "--payouts", "1e250,-1e250,1"});
    const std::string json = RunTool({"--chips", "3,1", "--payouts", "1e250,-1e250,1", "--json"});
    const std::regex amount(R"re("amount": "(-?\d+\.\d{6})")re");
    auto it = std::sregex_iterator(json.begin(), json.end(), amount);
    std::istringstream rows(table);
    std::string row;
    std::getline(rows, row);
    for (int seat = 1; seat <= 2; ++seat, ++it) {
        ASSERT_NE(it, std::sregex_iterator()) << json;
        const std::string text = (*it)[1];
        EXPECT_GT(text.size(), 250u);
        ASSERT_TRUE(std::getline(rows, row));
        EXPECT_EQ(row.substr(row.size() - text.size()), text) << "seat " << seat;
    }
    EXPECT_FALSE(std::getline(rows, row)) << table;
}

TEST(CliTable, ListsSeatsWithChipsOnly) {
    // Winner takes all: seat 2 gets its chip share 200/297 of the pool.
    EXPECT_EQ(RunTool({"--chips=0,200,-3,0,100", "--payouts", "1", "--pool", "30"}),
              "Seat        Chips     Chips %    Equity %          Amount\n"
              "   2          200      67.34%      67.34%       20.202020\n"
              "   3           -3      -1.01%       0.00%        0.000000\n"
              "   5          100      33.67%      33.67%       10.101010\n");
}

// A table read from JSON gives the very report of the same table on the command line, for
// each engine.
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
        std::vector<const char*> flags = {"--chips", t.chips.c_str(), "--payouts",
                                          t.payouts.c_str()};
        if (!t.pool.empty())
            flags.insert(flags.end(), {"--pool", t.pool.c_str()});
        for (std::vector<const char*> report :
             {std::vector<const char*>{}, {"--places"}, {"--json", "--places"}}) {
            std::vector<const char*> fromFlags = flags, fromFile = {"--input", "-"};
            fromFlags.insert(fromFlags.end(), report.begin(), report.end());
            fromFile.insert(fromFile.end(), report.begin(), report.end());
            EXPECT_EQ(RunTool(fromFile, json), RunTool(fromFlags)) << json;
        }
    }
}

// Negative payouts beside positive ones, among stacks in a ratio of 1e5, in a field: the
// equities still agree with the whole-table engine's.
TEST(CliEngine, FieldTakesNegativePayouts) {
    const std::vector<int> chips = {0,  2,     3,  4,      5, 6,  7,  8, 9,
                                    10, 11212, 13, 186150, 1, 67, 18, 8, 20};
    std::vector<double> shares = {5, 4, -2, 8, 20};
    ASSERT_EQ(ChooseEngine(chips, shares.size()), Engine::Field);
    std::string list;
    for (int count : chips)
        list += (list.empty() ? "" : ",") + std::to_string(count);
    const auto report = nlohmann::json::parse(
        RunTool({"--chips", list.c_str(), "--payouts", "5,4,-2,8,20", "--json"}));
    for (double& share : shares)
        share /= 35;
    const std::vector<double> exact = ComputeICMEquities(chips, shares);
    for (std::size_t i = 0; i < chips.size(); ++i)
        EXPECT_NEAR(report["players"][i]["equity"].get<double>(), exact[i], 1e-10 * exact[i])
            << "seat " << i + 1;
}

TEST(CliEngine, SmallTablesKeepTheExactEngines) {
    const auto seats = [](int players, int empty, int negative) {
        std::vector<int> chips(static_cast<std::size_t>(players + empty), 0);
        for (int i = 0; i < players; ++i)
            chips[static_cast<std::size_t>(i)] = i < negative ? -1 : 100 + i;
        return chips;
    };
    const struct {
        std::vector<int> chips;
        std::size_t places;
        Engine engine;
    } cases[] = {
        {seats(10, 0, 0), 5, Engine::Dialog},
        {seats(3, 0, 1), 1, Engine::Dialog},
        {seats(10, 0, 0), 6, Engine::WholeTable},
        {seats(kWholeTablePlayers, 100, 0), 10, Engine::WholeTable},
        {seats(kWholeTablePlayers + 1, 0, 0), 2, Engine::Field},
        {seats(kWholeTablePlayersAllPaid, 0, 0), kWholeTablePlayersAllPaid, Engine::WholeTable},
        {seats(kWholeTablePlayersAllPaid + 1, 5, 0), 30, Engine::Field},
        {seats(24, 10, 1), 30, Engine::WholeTable},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ChooseEngine(c.chips, c.places), c.engine) << c.chips.size() << " seats";
    EXPECT_THROW(ChooseEngine(seats(25, 0, 1), 3), UsageError);
}

} // namespace
