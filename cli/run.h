#pragma once

#include <istream>
#include <ostream>

// The whole tool: reads argv (and, for "--input -", `in`), writes the report to `out` and
// returns 0, or writes one line naming the fault to `err` and returns 2 without touching
// `out`.
int RunCommandLine(int argc, const char* const argv[], std::istream& in, std::ostream& out,
                   std::ostream& err);

// The same with standard input as `in`.
int RunCommandLine(int argc, const char* const argv[], std::ostream& out, std::ostream& err);
