#include "icm_field.h"
#include "icm_money.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Result {
    int status = -1;
    std::string out, err;
};

std::string Take(const std::string& path) {
    std::stringstream text;
    text << std::ifstream(path).rdbuf();
    unlink(path.c_str());
    return text.str();
}

std::string TempPath(const std::string& name) {
    return testing::TempDir() + "cli_binary_test." + std::to_string(getpid()) + "." + name;
}

// Runs the real executable with `input` on standard input and stdout and stderr captured in
// separate files; every argument is single-quoted for the shell, so it arrives byte for byte.
Result Spawn(const std::vector<std::string>& args, const std::string& input = "") {
    const std::string base = TempPath("run");
    std::ofstream(base + ".in") << input;
    std::string command = "'" TALLYVANE_ICM_EXE "'";
    for (const std::string& arg : args) {
        command += " '";
        for (char c : arg)
            command += c == '\'' ? std::string("'\\''") : std::string(1, c);
        command += "'";
    }
    const int status =
        std::system((command + " <" + base + ".in >" + base + ".out 2>" + base + ".err").c_str());
    unlink((base + ".in").c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, Take(base + ".out"), Take(base + ".err")};
}

TEST(CliBinary, PrintsTheDialogExample) {
    const Result r = Spawn({"--pool", "1000", "--payouts", "50,30,20", "--chips", "50,30,20"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    for (const char* amount : {"383.928571", "327.500000", "288.571429"})
        EXPECT_NE(r.out.find(amount), std::string::npos) << amount << " in\n" << r.out;
}

std::string Repeated(const std::string& item, int times) {
    std::string list = item;
    for (int i = 1; i < times; ++i)
        list += "," + item;
    return list;
}

// Every refusal: one line on standard error in the tool's words, naming the first fault in
// the order unknown options, stray and empty arguments, values on flags, repeated options,
// conflicts, missing options; then the values, the file of --input, the table.
TEST(CliBinary, RefusesWhatItCannotRead) {
    const std::string missing = TempPath("missing.json");
    const struct {
        std::vector<std::string> args;
        std::string input, message;
    } cases[] = {
        // The order of the faults of a command line.
        {{"--chips=", "--payous=5"}, "", "unknown option \"--payous=5\""},
        {{"--chip", "5", "--payouts", "1"}, "", "unknown option \"--chip\""},
        {{"--json=1", "x", "--chips", "1", "--payouts", "1", "-y"}, "", "unknown option \"-y\""},
        {{"--json=1", "x", "--chips", "1", "--chips", "2"}, "", "unexpected argument \"x\""},
        {{"--places=", "--chips", " ", "--payouts", "1"}, "", "--chips: empty list"},
        {{"--chips", "--payouts", "1", "--pool"}, "", "--chips needs a value"},
        {{"--chips", "1", "--chips", "2", "--payouts", "1", "--json=false"},
         "",
         "--json takes no value: \"--json=false\""},
        {{"--chips", "1,2", "--payouts", "1", "--payouts", "2"},
         "",
         "--payouts is given more than once"},
        {{"--input", "-", "--json", "--json", "--pool", "3"}, "", "--json is given more than once"},
        {{"--payouts", "1", "--chips", "1", "--input", "t.json"},
         "",
         "--payouts and --input exclude each other: a table comes either from the command line "
         "or from a file"},
        {{"--chips", "1"}, "", "--payouts is required with --chips"},
        {{"--pool", "5", "--json"},
         "",
         "no table given: use --chips and --payouts, or --input FILE"},
        // Arguments are quoted and escaped, so the message stays one line and shows them all.
        {{"--chips", "1", "--payouts", "1", ""}, "", "unexpected argument \"\""},
        {{"--chips", "1", "--payouts", "1", "-5"}, "", "unexpected argument \"-5\""},
        {{"--chips", "1", "--payouts", "1", "--", "--json", "x\ty"},
         "",
         "unknown option \"--json\""},
        {{"--chips", "1", "--payouts", "1", "--", "x\ty"}, "", "unexpected argument \"x\\ty\""},
        {{"--chips", "1\n2", "--payouts", "1"}, "", "--chips: \"1\\n2\" is not an integer"},
        {{"--chips", "5", "--payouts", "\xc3\xa9\x1b\"\\"},
         "",
         "--payouts: \"\\xc3\\xa9\\x1b\\\"\\\\\" is not a number"},
        // The values.
        {{"--chips", "12x", "--payouts", "1"}, "", "--chips: \"12x\" is not an integer"},
        {{"--chips", "5", "--payouts", "nan"}, "", "--payouts: \"nan\" is not a finite number"},
        {{"--chips", "5", "--payouts", "1", "--pool", "1e3$"},
         "",
         "--pool: \"1e3$\" is not a number"},
        {{"--chips", "1,2147483648", "--payouts", "1"},
         "",
         "--chips: \"2147483648\" is out of range"},
        {{"--chips", "1,,2", "--payouts", "1"}, "", "--chips: element 2 is empty"},
        // The file of --input, here mostly standard input.
        {{"--input", missing}, "", "--input: cannot read \"" + missing + "\": no such file"},
        {{"--input", "-"},
         "{\"chips\": [1,\n 2x], \"payouts\": [1]}",
         "--input \"-\": line 2, column 3: unexpected \"x\""},
        {{"--input", "-"},
         "{\"chips\": [1",
         "--input \"-\": line 1, column 13: the JSON ends too early"},
        {{"--input", "-"},
         "{\"chips\":\n\n  [1e400]}",
         "--input \"-\": line 3, column 4: number out of range: \"1e400\""},
        {{"--input=-"},
         "[1, 2]",
         "--input \"-\": not a JSON object with the keys \"chips\" and \"payouts\""},
        {{"--input", "-"},
         "{\"chips\": [1, 2.5], \"payouts\": [1]}",
         "--input \"-\": chips[1] is not an integer"},
        {{"--input", "-"},
         "{\"chips\": [-2147483649], \"payouts\": [1]}",
         "--input \"-\": chips[0] is out of range"},
        {{"--input", "-"},
         "{\"chips\": [1], \"payouts\": [1, \"2\"]}",
         "--input \"-\": payouts[1] is not a number"},
        {{"--input", "-"},
         "{\"chips\": [1], \"payouts\": [1], \"pool\": [1000]}",
         "--input \"-\": \"pool\" is not a number"},
        {{"--input", "-"},
         "{\"chips\": 1, \"payouts\": [1]}",
         "--input \"-\": \"chips\" is not a list"},
        {{"--input", "-"},
         "{\"chips\": [1], \"payouts\": []}",
         "--input \"-\": \"payouts\" is an empty list"},
        {{"--input", "-"}, "{\"chips\": [1]}", "--input \"-\": missing key \"payouts\""},
        {{"--input", "-"}, "{\"chips\": [1], \"Pool\": 5}", "--input \"-\": unknown key \"Pool\""},
        {{"--input", "-"},
         "{\"chips\": [1], \"chips\": [2]}",
         "--input \"-\": key \"chips\" is given more than once"},
        // The table.
        {{"--chips", "1,2,-3," + Repeated("1", 22), "--payouts", "1"},
         "",
         "seat 3 has a negative count: negative counts are taken in tables of up to 24 players "
         "only"},
        {{"--input", "-", "--places"},
         "{\"chips\": [" + Repeated("1", 10001) + "], \"payouts\": [" + Repeated("1", 10000) + "]}",
         "--places: the chances of 10001 players in 10000 places do not fit in memory"},
    };
    for (const auto& c : cases) {
        const Result r = Spawn(c.args, c.input);
        EXPECT_EQ(r.status, 2) << c.message;
        EXPECT_EQ(r.out, "") << c.message;
        EXPECT_EQ(r.err, "tallyvane-icm: " + c.message + "\n");
    }
}

// A field of a few thousand players read from a file: the equities printed are the field
// engine's to the bit, for every seat.
TEST(CliBinary, ReadsAFieldFromAFile) {
    std::mt19937 random(2026);
    std::uniform_real_distribution<double> spread(0, std::log(100.0));
    nlohmann::json table;
    std::vector<int> chips(3000);
    std::vector<double> payouts(450), shares(450);
    for (int& count : chips)
        count = static_cast<int>(1000 * std::exp(spread(random)));
    chips[17] = 0;
    for (std::size_t m = 0; m < payouts.size(); ++m)
        payouts[m] = 1000 / std::pow(m + 1.0, 1.1);
    table["chips"] = chips;
    table["payouts"] = payouts;
    table["pool"] = 2500;
    const std::string path = TempPath("field.json");
    std::ofstream(path) << table.dump(1);

    const Result r = Spawn({"--input", path, "--json"});
    unlink(path.c_str());
    ASSERT_EQ(r.status, 0) << r.err;
    NormalizePayouts(payouts.data(), shares.data(), static_cast<int>(payouts.size()));
    const std::vector<double> equity = ComputeFieldEquities(chips, shares);
    const nlohmann::json report = nlohmann::json::parse(r.out);
    ASSERT_EQ(report["players"].size(), chips.size());
    for (std::size_t i = 0; i < chips.size(); ++i) {
        const nlohmann::json& seat = report["players"][i];
        ASSERT_EQ(seat["chips"], chips[i]);
        ASSERT_EQ(seat["equity"].get<double>(), equity[i]) << "seat " << i + 1;
        ASSERT_EQ(seat["amount"], FormatAmount(equity[i], 2500)) << "seat " << i + 1;
    }
}

} // namespace
