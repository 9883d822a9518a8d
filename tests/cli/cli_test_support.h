#pragma once

#include "run.h"

#include <sstream>
#include <string>
#include <vector>

struct Outcome {
    int status;
    std::string out, err;
};

// Runs the tool in-process with `input` on standard input.
inline Outcome RunTool(const std::vector<std::string>& args, const std::string& input = "") {
    std::vector<const char*> argv = {"tallyvane-icm"};
    for (const std::string& arg : args)
        argv.push_back(arg.c_str());
    std::istringstream in(input);
    std::ostringstream out, err;
    const int status = RunCommandLine(static_cast<int>(argv.size()), argv.data(), in, out, err);
    return {status, out.str(), err.str()};
}

// "1,2,3" of {1, 2, 3}.
inline std::string Joined(const std::vector<int>& values) {
    std::string list;
    for (int value : values)
        list += (list.empty() ? "" : ",") + std::to_string(value);
    return list;
}
