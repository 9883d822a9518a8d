#include "arguments.h"

#include "icm_exact.h"
#include "numbers.h"
#include "usage_error.h"

#include <CLI/CLI.hpp>

#include <string_view>

namespace {

struct RawOptions {
    std::string chips;
    std::string payouts;
    std::string pool = "1000";
    bool json = false;
    bool places = false;
};

void Declare(CLI::App& app, RawOptions& raw) {
    app.add_option("--chips", raw.chips,
                   "Chip counts of seats 1 to 24, comma-separated (missing seats are empty)")
        ->required()
        ->type_name("LIST");
    app.add_option("--payouts", raw.payouts,
                   "Payouts of places 1 to 24 as percentages or any ratio, comma-separated")
        ->required()
        ->type_name("LIST");
    app.add_option("--pool", raw.pool, "Prize pool (default 1000)")->type_name("X");
    app.add_flag("--json", raw.json, "Print the result as JSON");
    app.add_flag("--places", raw.places, "Add each player's chance of each paid place");
}

// CLI11 reads "--json=false" (or "=0", "=-1") as the flag turned off; a value on a flag is
// more likely a mistake than a wish, so none is taken.
void RefuseFlagValues(int argc, const char* const argv[]) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--")
            return;
        for (const std::string_view flag : {"--json", "--places", "--help"})
            if (arg.starts_with(flag) && arg.size() > flag.size() && arg[flag.size()] == '=')
                throw UsageError(std::string(flag) + " takes no value: " + Quoted(arg));
    }
}

// An argument that no option took: a dash and a letter make it an option of the wrong name,
// anything else (a negative number among them) a stray value.
UsageError Unexpected(std::string_view arg) {
    const bool option =
        arg.size() > 1 && arg[0] == '-' && !(arg[1] >= '0' && arg[1] <= '9') && arg[1] != '.';
    return UsageError((option ? "unknown option " : "unexpected argument ") + Quoted(arg));
}

Arguments Convert(const RawOptions& raw) {
    Arguments args;
    for (std::string_view count : SplitList("--chips", raw.chips, ICM_MAX_PLAYERS, "counts"))
        args.chips.push_back(ParseInteger("--chips", count));
    for (std::string_view payout : SplitList("--payouts", raw.payouts, ICM_MAX_PLACES, "payouts"))
        args.payouts.push_back(ParseNumber("--payouts", payout));
    args.pool = ParseNumber("--pool", raw.pool);
    args.json = raw.json;
    args.places = raw.places;
    return args;
}

} // namespace

CommandLine ParseCommandLine(int argc, const char* const argv[]) {
    CLI::App app{"ICM equity of up to 24 tournament players over up to 24 paid places.",
                 "tallyvane-icm"};
    RawOptions raw;
    Declare(app, raw);
    CommandLine result;
    RefuseFlagValues(argc, argv);
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        result.helpRequested = true;
        result.helpText = app.help();
        return result;
    } catch (const CLI::ParseError& e) {
        // CLI11 looks for missing options before unknown ones, so a misspelt option would be
        // reported as the one it was meant to be: name the argument it could not take first.
        // Its list of those holds the "--" that ends the options too.
        for (const std::string& extra : app.remaining())
            if (extra != "--")
                throw Unexpected(extra);
        throw UsageError(Escaped(e.what()));
    }
    result.arguments = Convert(raw);
    return result;
}
