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
    std::string out, err;
};

std::string Take(const std::string& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    unlink(path.c_str());
    return text.str();
}

// Runs the real executable with stdout and stderr captured in separate files.
Result Spawn(std::vector<std::string> args) {
    const std::string base = testing::TempDir() + "cli_binary_test." + std::to_string(getpid());
    const std::string outPath = base + ".out", errPath = base + ".err";
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    posix_spawn_file_actions_addopen(&files, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    args.insert(args.begin(), TALLYVANE_ICM_EXE);
    std::vector<char*> argv;
    for (auto& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);

    Result r;
    pid_t pid = 0;
    int wstatus = 0;
    const bool ran = posix_spawn(&pid, argv[0], &files, nullptr, argv.data(), environ) == 0 &&
                     waitpid(pid, &wstatus, 0) == pid;
    posix_spawn_file_actions_destroy(&files);
    EXPECT_TRUE(ran) << "cannot run " << argv[0];
    r.status = ran && WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : -1;
    r.out = Take(outPath);
    r.err = Take(errPath);
    return r;
}

TEST(CliBinary, PrintsTheDialogExample) {
    const Result r = Spawn({"--pool", "1000", "--payouts", "50,30,20", "--chips", "50,30,20"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    for (const char* amount : {"383.928571", "327.500000", "288.571429"})
        EXPECT_NE(r.out.find(amount), std::string::npos) << amount << " in\n" << r.out;
}

TEST(CliBinary, RefusesWhatItCannotRead) {
    const struct {
        std::vector<std::string> args;
        std::string message;
    } cases[] = {
        {{"--chips", "12x", "--payouts", "1"}, "--chips: \"12x\" is not an integer"},
        {{"--chips", "5", "--payouts", "50,3O"}, "--payouts: \"3O\" is not a number"},
        {{"--chips", "5", "--payouts", "nan"}, "--payouts: \"nan\" is not a finite number"},
        {{"--chips", "5", "--payouts", "1", "--pool", "1e3$"}, "--pool: \"1e3$\" is not a number"},
        {{"--chips", "1,2147483648", "--payouts", "1"}, "--chips: \"2147483648\" is out of range"},
        {{"--chips", "1", "--payouts", "1", "--pool", "1e400"},
         "--pool: \"1e400\" is out of range"},
        {{"--chips", "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24,25",
          "--payouts", "1"},
         "--chips: 25 counts given, at most 24 allowed"},
        {{"--chips", "1", "--payouts", "1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1"},
         "--payouts: 25 payouts given, at most 24 allowed"},
        {{"--chips", "", "--payouts", "1"}, "--chips: empty list"},
        {{"--chips", "1,,2", "--payouts", "1"}, "--chips: \"1,,2\" has an empty element"},
        {{"--chips", "1"}, "--payouts is required"},
        // Arguments are quoted and escaped, so the message stays one line and shows them all.
        {{"--chips", "1\n2", "--payouts", "1"}, "--chips: \"1\\n2\" is not an integer"},
        {{"--chips", "5", "--payouts", "\xc3\xa9\x1b\"\\"},
         "--payouts: \"\\xc3\\xa9\\x1b\\\"\\\\\" is not a number"},
        {{"--chips", "1", "--payouts", "1", ""}, "unexpected argument \"\""},
        {{"--chips", "1", "--payouts", "1", "-5"}, "unexpected argument \"-5\""},
        {{"--chips", "1", "--payouts", "1", "--", "--json", "x\ty"}, "unknown option \"--json\""},
        {{"--chips", "1", "--payouts", "1", "--", "x\ty"}, "unexpected argument \"x\\ty\""},
        // A misspelt option is named, not taken for the missing one.
        {{"--chip", "5", "--payouts", "1"}, "unknown option \"--chip\""},
        {{"--chips", "5", "--payout=1"}, "unknown option \"--payout=1\""},
        {{"--chips", "1", "--payouts", "1", "--json=false"},
         "--json takes no value: \"--json=false\""},
        {{"--chips", "1", "--payouts", "1", "--places="}, "--places takes no value: \"--places=\""},
    };
    for (const auto& c : cases) {
        const Result r = Spawn(c.args);
        EXPECT_EQ(r.status, 2) << c.message;
        EXPECT_EQ(r.out, "") << c.message;
        EXPECT_EQ(r.err, "tallyvane-icm: " + c.message + "\n");
    }
}

} // namespace
