#pragma once

#include "icm.h"

#include <string>

// What the command line asks for. Seats and places it leaves out are 0.
struct Arguments {
    int chips[ICM_PLAYERS] = {};
    double payouts[ICM_PLACES] = {};
    double pool = 1000;
    bool json = false;
};

struct CommandLine {
    bool helpRequested = false;
    std::string helpText;
    Arguments arguments;
};

// Reads argv strictly; throws UsageError for anything it cannot read.
CommandLine ParseCommandLine(int argc, const char* const argv[]);
