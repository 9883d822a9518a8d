// The real executable: what reaches its streams and its exit status.
#include "cli_test_support.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace {

std::string Take(const std::string& path) {
    std::stringstream text;
    text << std::ifstream(path).rdbuf();
    unlink(path.c_str());
    return text.str();
}

// Runs the real executable with stdout and stderr captured in separate files.
Outcome Spawn(const std::string& base, const std::string& args) {
    const std::string command =
        "'" TALLYVANE_ICM_EXE "' " + args + " </dev/null >" + base + ".out 2>" + base + ".err";
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, Take(base + ".out"), Take(base + ".err")};
}

// A table read from a file: the report of the same table given on the command line on
// standard output, nothing else, status 0. A fault:
// nothing on standard output, the refusal on standard error, status 2.
TEST(CliBinary, ReportsOnStandardOutputAndRefusesOnStandardError) {
    const std::string base = testing::TempDir() + "cli_binary_test." + std::to_string(getpid());
    std::ofstream(base + ".json") << R"({"chips": [50, 30, 20], "payouts": [5, 3, 2]})";
    const Outcome r = Spawn(base, "--input '" + base + ".json'");
    unlink((base + ".json").c_str());
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, RunTool({"--chips", "50,30,20", "--payouts", "5,3,2"}).out);
    const Outcome refused = Spawn(base, "--chips 1");
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(refused.out, "");
    EXPECT_EQ(refused.err, "tallyvane-icm: --payouts is required with --chips\n");
}

} // namespace
