#include "arguments.h"

#include "numbers.h"
#include "usage_error.h"

#include <CLI/CLI.hpp>

#include <cstddef>
#include <string_view>

namespace {

struct RawOptions {
    std::string chips;
    std::string payouts;
    std::string pool = "1000";
    bool json = false;
};

void Declare(CLI::App& app, RawOptions& raw) {
    app.add_option("--chips", raw.chips,
                   "Chip counts of seats 1 to 10, comma-separated (missing seats are empty)")
        ->required()
        ->type_name("LIST");
    app.add_option("--payouts", raw.payouts,
                   "Payouts of places 1 to 5 as percentages or any ratio, comma-separated")
        ->required()
        ->type_name("LIST");
    app.add_option("--pool", raw.pool, "Prize pool (default 1000)")->type_name("X");
    app.add_flag("--json", raw.json, "Print the result as JSON");
}

Arguments Convert(const RawOptions& raw) {
    Arguments args;
    const auto chips = SplitList("--chips", raw.chips, ICM_PLAYERS, "counts");
    for (std::size_t i = 0; i < chips.size(); ++i)
        args.chips[i] = ParseInteger("--chips", chips[i]);
    const auto payouts = SplitList("--payouts", raw.payouts, ICM_PLACES, "payouts");
    for (std::size_t i = 0; i < payouts.size(); ++i)
        args.payouts[i] = ParseNumber("--payouts", payouts[i]);
    args.pool = ParseNumber("--pool", raw.pool);
    args.json = raw.json;
    return args;
}

} // namespace

CommandLine ParseCommandLine(int argc, const char* const argv[]) {
    CLI::App app{"ICM equity of up to ten tournament players over five paid places.",
                 "tallyvane-icm"};
    RawOptions raw;
    Declare(app, raw);
    CommandLine result;
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        result.helpRequested = true;
        result.helpText = app.help();
        return result;
    } catch (const CLI::ParseError& e) {
        throw UsageError(e.what());
    }
    result.arguments = Convert(raw);
    return result;
}
