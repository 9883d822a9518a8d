#pragma once

#include <string>
#include <vector>

// What the command line asks for: the counts and payouts as given (at most 24 of each).
struct Arguments {
    std::vector<int> chips;
    std::vector<double> payouts;
    double pool = 1000;
    bool json = false;
    bool places = false; // also report each player's chance of each paid place
};

struct CommandLine {
    bool helpRequested = false;
    std::string helpText;
    Arguments arguments;
};

// Reads argv strictly; throws UsageError for anything it cannot read.
CommandLine ParseCommandLine(int argc, const char* const argv[]);
