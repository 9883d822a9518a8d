#include "run.h"

#include "arguments.h"
#include "calculation.h"
#include "decisions.h"
#include "report.h"
#include "table_input.h"
#include "usage_error.h"

#include <iostream>

namespace {

Calculation Computed(CommandLine& line, std::istream& in) {
    if (line.input)
        ReadTableJson(*line.input, ReadInputText(*line.input, in), line.arguments);
    const DecisionPlan plan = PlanDecisions(line.arguments);
    Calculation calc = Calculate(line.arguments);
    AddDecisions(plan, calc);
    return calc;
}

} // namespace

int RunCommandLine(int argc, const char* const argv[], std::istream& in, std::ostream& out,
                   std::ostream& err) {
    CommandLine line;
    Calculation calc;
    try {
        line = ParseCommandLine(argc, argv);
        if (!line.helpRequested)
            calc = Computed(line, in);
    } catch (const UsageError& e) {
        err << "tallyvane-icm: " << e.what() << '\n';
        return 2;
    }
    if (line.helpRequested)
        out << line.helpText;
    else if (line.arguments.json)
        WriteJson(calc, out);
    else
        WriteTable(calc, out);
    return 0;
}

int RunCommandLine(int argc, const char* const argv[], std::ostream& out, std::ostream& err) {
    return RunCommandLine(argc, argv, std::cin, out, err);
}
