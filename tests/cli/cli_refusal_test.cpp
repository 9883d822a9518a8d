// Every refusal: status 2, nothing on standard output and one line on standard error in the
// tool's words, naming the first fault.
#include "cli_test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// "1,1,...,1" of n elements; counted, "1,2,...,n".
std::string List(int n, bool counted = false) {
    std::string list = "1";
    for (int i = 2; i <= n; ++i)
        list += "," + (counted ? std::to_string(i) : std::string("1"));
    return list;
}

void ExpectRefused(const Outcome& r, const std::string& message) {
    EXPECT_EQ(r.status, 2) << message;
    EXPECT_EQ(r.out, "") << message;
    EXPECT_EQ(r.err, "tallyvane-icm: " + message + "\n");
}

std::vector<std::string> Example(std::vector<std::string> more) {
    more.insert(more.begin(), {"--chips", "50,30,20", "--payouts", "50,30,20"});
    return more;
}

// The faults of a command line come in the order unknown options, stray and empty arguments,
// values on flags, repeated options, conflicts, missing options; then the values, the table,
// and what --bubble and --deal can take.
TEST(CliRefusal, CommandLines) {
    const std::string missing = testing::TempDir() + "cli_refusal_test.missing.json";
    const struct {
        std::vector<std::string> args;
        std::string message;
    } cases[] = {
        {{"--chips=", "--payous=5"}, "unknown option \"--payous=5\""},
        {{"--chip", "5", "--payouts", "1"}, "unknown option \"--chip\""},
        {{"--json=1", "x", "--chips", "1", "--payouts", "1", "-y"}, "unknown option \"-y\""},
        {{"--json=1", "x", "--chips", "1", "--chips", "2"}, "unexpected argument \"x\""},
        {{"--places=", "--chips", " ", "--payouts", "1"}, "--chips: empty list"},
        {{"--chips", "--payouts", "1", "--pool"}, "--chips needs a value"},
        {{"--chips", "1", "--chips", "2", "--payouts", "1", "--json=false"},
         "--json takes no value: \"--json=false\""},
        {{"--chips", "1,2", "--payouts", "1", "--payouts", "2"},
         "--payouts is given more than once"},
        {{"--input", "-", "--json", "--json", "--pool", "3"}, "--json is given more than once"},
        {{"--payouts", "1", "--chips", "1", "--input", "t.json"},
         "--payouts and --input exclude each other: a table comes either from the command line "
         "or from a file"},
        {{"--chips", "1"}, "--payouts is required with --chips"},
        {{"--pool", "5", "--json"}, "no table given: use --chips and --payouts, or --input FILE"},
        // Arguments are quoted and escaped, so the message stays one line and shows them all.
        {{"--chips", "1", "--payouts", "1", ""}, "unexpected argument \"\""},
        {{"--chips", "1", "--payouts", "1", "-5"}, "unexpected argument \"-5\""},
        {{"--chips", "1", "--payouts", "1", "--", "--json", "x\ty"}, "unknown option \"--json\""},
        {{"--chips", "1", "--payouts", "1", "--", "x\ty"}, "unexpected argument \"x\\ty\""},
        {{"--chips", "1\n2", "--payouts", "1"}, "--chips: \"1\\n2\" is not an integer"},
        {{"--chips", "5", "--payouts", "\xc3\xa9\x1b\"\\"},
         "--payouts: \"\\xc3\\xa9\\x1b\\\"\\\\\" is not a number"},
        // The values.
        {{"--chips", "5", "--payouts", "nan"}, "--payouts: \"nan\" is not a finite number"},
        {{"--chips", "1,2147483648", "--payouts", "1"}, "--chips: \"2147483648\" is out of range"},
        {{"--chips", "1,,2", "--payouts", "1"}, "--chips: element 2 is empty"},
        {{"--input", missing}, "--input: cannot read \"" + missing + "\": no such file"},
        // The table.
        {{"--chips", "1,2,-3," + List(22), "--payouts", "1"},
         "seat 3 has a negative count: negative counts are taken in tables of up to 24 players "
         "only"},
        {{"--chips", List(10001), "--payouts", List(10000), "--places"},
         "--places: the chances of 10001 players in 10000 places do not fit in memory"},
        // --bubble and --deal.
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
        {{"--chips", List(51), "--payouts", "1", "--bubble", "--bubble-seats", List(51, true)},
         "--bubble-seats: 51 seats listed, at most 50"},
        // One all-in past 32 bits in a field (more than twelve players).
        {{"--chips", "2000000000,1500000000," + List(12), "--payouts", "1,1", "--bubble"},
         "--bubble: an all-in would leave a stack of more than 2147483647 chips"},
        {{"--chips", List(51), "--payouts", "1", "--bubble"},
         "--bubble: 51 players hold chips, at most 50 without --bubble-seats"},
    };
    for (const auto& c : cases)
        ExpectRefused(RunTool(c.args), c.message);
}

// A table on standard input (--input -): the first fault of its JSON, or of its values.
TEST(CliRefusal, TablesReadAsJson) {
    const struct {
        std::string input, message;
    } cases[] = {
        {"{\"chips\": [1,\n 2x], \"payouts\": [1]}", "line 2, column 3: unexpected \"x\""},
        {"{\"chips\": [1", "line 1, column 13: the JSON ends too early"},
        {"{\"chips\":\n\n  [1e400]}", "line 3, column 4: number out of range: \"1e400\""},
        {"[1, 2]", "not a JSON object with the keys \"chips\" and \"payouts\""},
        {"{\"chips\": [1, 2.5], \"payouts\": [1]}", "chips[1] is not an integer"},
        {"{\"chips\": [-2147483649], \"payouts\": [1]}", "chips[0] is out of range"},
        {"{\"chips\": [1], \"payouts\": [1, \"2\"]}", "payouts[1] is not a number"},
        {"{\"chips\": [1], \"payouts\": [1], \"pool\": [1000]}", "\"pool\" is not a number"},
        {"{\"chips\": 1, \"payouts\": [1]}", "\"chips\" is not a list"},
        {"{\"chips\": [1], \"payouts\": []}", "\"payouts\" is an empty list"},
        {"{\"chips\": [1]}", "missing key \"payouts\""},
        {"{\"chips\": [1], \"Pool\": 5}", "unknown key \"Pool\""},
        {"{\"chips\": [1], \"chips\": [2]}", "key \"chips\" is given more than once"},
    };
    for (const auto& c : cases)
        ExpectRefused(RunTool({"--input=-"}, c.input), "--input \"-\": " + c.message);
}

} // namespace
