#include "run.h"

#include <iostream>

int main(int argc, char* argv[]) {
    // The streams need not keep step with C's stdio: a table on standard input is read in
    // blocks.
    std::ios_base::sync_with_stdio(false);
    return RunCommandLine(argc, argv, std::cout, std::cerr);
}
