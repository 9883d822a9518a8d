#include "run.h"

#include <cstring>
#include <iostream>

int main(int argc, char* argv[]) {
    // The streams need not keep step with C's stdio: a table on standard input is read in
    // blocks.
    std::ios_base::sync_with_stdio(false);
    // The version stands alone: it needs none of the calculation's options.
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::cout << "tallyvane-icm " TALLYVANE_VERSION "\n";
        return 0;
    }
    return RunCommandLine(argc, argv, std::cout, std::cerr);
}
