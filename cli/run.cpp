#include "run.h"

#include "arguments.h"
#include "calculation.h"
#include "report.h"
#include "usage_error.h"

int RunCommandLine(int argc, const char* const argv[], std::ostream& out, std::ostream& err) {
    CommandLine line;
    try {
        line = ParseCommandLine(argc, argv);
    } catch (const UsageError& e) {
        err << "tallyvane-icm: " << e.what() << '\n';
        return 2;
    }
    if (line.helpRequested) {
        out << line.helpText;
        return 0;
    }
    const Calculation calc = Calculate(line.arguments);
    out << (line.arguments.json ? FormatJson(calc) : FormatTable(calc));
    return 0;
}
