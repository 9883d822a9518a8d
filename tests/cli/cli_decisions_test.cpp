// --bubble and --deal on the command line: the blocks and keys they add, a field read from a
// file, and their refusals.
#include "run.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cmath>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Outcome {
    int status;
    std::string out, err;
};

Outcome RunTool(std::vector<std::string> args, const std::string& input = "") {
    std::vector<const char*> argv = {"tallyvane-icm"};
    for (const std::string& arg : args)
        argv.push_back(arg.c_str());
    std::istringstream in(input);
    std::ostringstream out, err;
    const int status = RunCommandLine(static_cast<int>(argv.size()), argv.data(), in, out, err);
    return {status, out.str(), err.str()};
}

const std::vector<std::string> kExample = {"--chips", "50,30,20", "--payouts", "50,30,20"};

std::vector<std::string> Example(std::vector<std::string> more) {
    more.insert(more.begin(), kExample.begin(), kExample.end());
    return more;
}

// The dialog's example: 50 against 20 is 1197/1099 (1.089), risk premium 2.13%; the deals
// are those of the engine's worked case.
TEST(CliDecisions, TableBlocksFollowTheSeats) {
    const Outcome r = RunTool(Example({"--bubble", "--deal", "--set-aside", "100"}));
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

std::vector<int> Cents(const nlohmann::json& amounts) {
    std::vector<int> cents;
    for (const auto& amount : amounts)
        cents.push_back(static_cast<int>(std::llround(amount.get<double>() * 100)));
    return cents;
}

long long Sum(const std::vector<int>& cents) {
    long long sum = 0;
    for (int c : cents)
        sum += c;
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
    std::string list;
    for (int seat : seats)
        list += (list.empty() ? "" : ",") + std::to_string(seat);
    const Outcome r = RunTool({"--input", "-", "--json", "--bubble", "--bubble-seats", list,
                               "--deal", "--set-aside", "1000.01"},
                              table.dump());
    ASSERT_EQ(r.status, 0) << r.err;
    const nlohmann::json out = nlohmann::json::parse(r.out);
    for (const char* key : {"bubble", "risk_premium"}) {
        ASSERT_EQ(out[key].size(), 1000u);
        for (int i = 1; i <= 1000; ++i) {
            const bool listed = std::find(seats.begin(), seats.end(), i) != seats.end();
            ASSERT_EQ(out[key][i - 1].is_array(), listed) << key << " seat " << i;
            EXPECT_EQ(out[key][i - 1].size(), listed ? 1000u : 0u);
            int numbers = 0;
            for (const auto& value : listed ? out[key][i - 1] : nlohmann::json::array())
                numbers += value.is_number();
            EXPECT_EQ(numbers, listed ? 8 : 0) << key << " seat " << i;
        }
    }
    const nlohmann::json& deal = out["deal"];
    EXPECT_EQ(Sum(Cents(deal["icm"])), 12345678);
    EXPECT_EQ(Sum(Cents(deal["chip_chop"])), 12345678);
    EXPECT_EQ(Sum(Cents(deal["guaranteed"])), 12345678 - 100001);
    EXPECT_EQ(deal["set_aside"].get<double>(), 1000.01);
}

TEST(CliDecisions, RefusesWhatTheyCannotTake) {
    std::string many = "1", seats51 = "1";
    for (int i = 2; i <= 51; ++i) {
        many += ",1";
        seats51 += "," + std::to_string(i);
    }
    const struct {
        std::vector<std::string> args;
        std::string message;
    } cases[] = {
        {Example({"--set-aside", "5"}), "--deal is required with --set-aside"},
        {Example({"--bubble-seats", "1"}), "--bubble is required with --bubble-seats"},
        {Example({"--deal", "--set-aside", "nan"}), "--set-aside: \"nan\" is not a finite number"},
        {Example({"--deal", "--set-aside", "-1"}), "--set-aside: \"-1\" is negative"},
        {Example({"--deal", "--set-aside", "500.01"}),
         "--set-aside: \"500.01\" is more than first place's payout, 500.00"},
        {Example({"--deal", "--set-aside", "0.001"}),
         "--set-aside: \"0.001\" is not a whole number of cents up to 9999999999999.99"},
        {Example({"--deal", "--pool", "1e13"}),
         "--pool: \"1e+13\" is not a whole number of cents up to 9999999999999.99"},
        {{"--chips", "5,-1,5", "--payouts", "1", "--deal"}, "--deal: seat 2 has a negative count"},
        {{"--chips", "5,1", "--payouts", "1,-1", "--deal"},
         "--deal: the payouts must be 0 or more, and not all 0"},
        {{"--chips", "5,1", "--payouts", "0", "--bubble"},
         "--bubble: the payouts must be 0 or more, and not all 0"},
        {Example({"--bubble", "--bubble-seats", "2,11"}),
         "--bubble-seats: seat \"11\" is outside the table of 10 seats"},
        {Example({"--bubble", "--bubble-seats", "4"}), "--bubble-seats: seat 4 holds no chips"},
        {Example({"--bubble", "--bubble-seats", "3,1,3"}),
         "--bubble-seats: seat 3 is listed more than once"},
        {{"--chips", many, "--payouts", "1", "--bubble", "--bubble-seats", seats51},
         "--bubble-seats: 51 seats listed, at most 50"},
        // One all-in past 32 bits in a field (more than twelve players).
        {{"--chips", "2000000000,1500000000," + many.substr(0, 23), "--payouts", "1,1", "--bubble"},
         "--bubble: an all-in would leave a stack of more than 2147483647 chips"},
        {{"--chips", many, "--payouts", "1", "--bubble"},
         "--bubble: 51 players hold chips, at most 50 without --bubble-seats"},
    };
    for (const auto& c : cases) {
        const Outcome r = RunTool(c.args);
        EXPECT_EQ(r.status, 2) << c.message;
        EXPECT_EQ(r.out, "") << c.message;
        EXPECT_EQ(r.err, "tallyvane-icm: " + c.message + "\n");
    }
}

} // namespace
