#pragma once

#include <optional>
#include <string>
#include <vector>

// What the command line asks for: the counts and payouts as given.
struct Arguments {
    std::vector<int> chips;
    std::vector<double> payouts;
    double pool = 1000;
    bool json = false;
    bool places = false; // also report each player's chance of each paid place
    // Bubble factors and risk premiums among the players with chips, or among the listed
    // seats (numbered from 1, as given; checked against the table once it is known).
    bool bubble = false;
    std::vector<int> bubbleSeats;
    // The ICM deal and the chip chop, and with a set-aside the guaranteed amounts.
    bool deal = false;
    std::optional<double> setAside;
};

struct CommandLine {
    bool helpRequested = false;
    std::string helpText;
    // The table comes from --chips, --payouts and --pool, or, when `input` names a file ("-"
    // for standard input), from that file; then only the flags of `arguments` are set.
    Arguments arguments;
    std::optional<std::string> input;
};

// Reads argv strictly; throws UsageError for anything it cannot read, naming the first fault
// of the first kind in this order: unknown options, stray and empty arguments, values on
// flags, repeated options, conflicting options, missing options; then the values themselves.
CommandLine ParseCommandLine(int argc, const char* const argv[]);
