#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct Result {
    int status = -1;
    std::string out;
    std::string err;
};

std::string Slurp(const std::string& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Runs the real executable with stdout and stderr captured in separate files.
Result Spawn(std::vector<std::string> args) {
    const std::string base = testing::TempDir() + "cli_binary_test." + std::to_string(getpid());
    const std::string outPath = base + ".out", errPath = base + ".err";
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    args.insert(args.begin(), TALLYVANE_ICM_EXE);
    std::vector<char*> argv;
    for (auto& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);

    Result r;
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        ADD_FAILURE() << "cannot start " << argv[0];
        return r;
    }
    int wstatus = 0;
    waitpid(pid, &wstatus, 0);
    r.status = WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : -1;
    r.out = Slurp(outPath);
    r.err = Slurp(errPath);
    unlink(outPath.c_str());
    unlink(errPath.c_str());
    return r;
}

TEST(CliBinary, DialogExampleAmounts) {
    const Result r = Spawn({"--pool", "1000", "--payouts", "50,30,20", "--chips", "50,30,20"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    for (const char* amount : {"383.928571", "327.500000", "288.571429"})
        EXPECT_NE(r.out.find(amount), std::string::npos) << amount << " in\n" << r.out;
}

// Each refused argument: status 2, nothing on stdout, one line naming the argument.
void ExpectRefused(const std::vector<std::string>& args, const std::string& message) {
    const Result r = Spawn(args);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "tallyvane-icm: " + message + "\n");
}

TEST(CliBinary, RefusesMalformedNumbers) {
    ExpectRefused({"--chips", "12x", "--payouts", "1"}, "--chips: \"12x\" is not an integer");
    ExpectRefused({"--chips", "1.5", "--payouts", "1"}, "--chips: \"1.5\" is not an integer");
    ExpectRefused({"--chips", "5", "--payouts", "50,3O"}, "--payouts: \"3O\" is not a number");
    ExpectRefused({"--chips", "5", "--payouts", "1", "--pool", "1e3$"},
                  "--pool: \"1e3$\" is not a number");
    ExpectRefused({"--chips", "5", "--payouts", "nan"},
                  "--payouts: \"nan\" is not a finite number");
}

TEST(CliBinary, RefusesOutOfRangeNumbers) {
    ExpectRefused({"--chips", "1,2147483648", "--payouts", "1"},
                  "--chips: \"2147483648\" is out of range");
    ExpectRefused({"--chips=-2147483649", "--payouts", "1"},
                  "--chips: \"-2147483649\" is out of range");
    ExpectRefused({"--chips", "1", "--payouts", "1", "--pool", "1e400"},
                  "--pool: \"1e400\" is out of range");
}

TEST(CliBinary, RefusesTooLongOrEmptyLists) {
    ExpectRefused({"--chips", "1,2,3,4,5,6,7,8,9,10,11", "--payouts", "1"},
                  "--chips: 11 counts given, at most 10 allowed");
    ExpectRefused({"--chips", "1", "--payouts", "6,5,4,3,2,1"},
                  "--payouts: 6 payouts given, at most 5 allowed");
    ExpectRefused({"--chips", "", "--payouts", "1"}, "--chips: empty list");
    ExpectRefused({"--chips", "1,,2", "--payouts", "1"}, "--chips: \"1,,2\" has an empty element");
    ExpectRefused({"--chips", "1", "--payouts", "1,"}, "--payouts: \"1,\" has an empty element");
}

TEST(CliBinary, RefusesMissingOrUnknownOptions) {
    const Result missing = Spawn({"--chips", "1"});
    EXPECT_EQ(missing.status, 2);
    EXPECT_EQ(missing.out, "");
    EXPECT_NE(missing.err.find("--payouts"), std::string::npos) << missing.err;

    const Result unknown = Spawn({"--chips", "1", "--payouts", "1", "--players", "3"});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_EQ(unknown.out, "");
    EXPECT_NE(unknown.err.find("--players"), std::string::npos) << unknown.err;
}

} // namespace
