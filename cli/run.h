#pragma once

#include <ostream>

// The whole tool: reads argv, writes the report to `out` and returns 0, or writes one
// line naming the bad argument to `err` and returns 2 without touching `out`.
int RunCommandLine(int argc, const char* const argv[], std::ostream& out, std::ostream& err);
