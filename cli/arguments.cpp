#include "arguments.h"

#include "decisions.h"
#include "numbers.h"
#include "usage_error.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace {

enum Option {
    kChips,
    kPayouts,
    kPool,
    kInput,
    kJson,
    kPlaces,
    kBubble,
    kBubbleSeats,
    kDeal,
    kSetAside,
    kHelp,
    kOptionCount
};

struct OptionSpec {
    std::string_view name;
    std::string_view value; // its placeholder in the help; empty for a flag
    std::string_view help;
};

constexpr OptionSpec kOptions[kOptionCount] = {
    {"--chips", "LIST", "Chip counts of seats 1, 2, ..., comma-separated (0: an empty seat)"},
    {"--payouts", "LIST", "Payouts of places 1, 2, ..., as percentages or any ratio"},
    {"--pool", "X", "Prize pool (default 1000)"},
    {"--input", "FILE",
     "The table as JSON, {\"chips\": [...], \"payouts\": [...], \"pool\": X}; - reads "
     "standard input"},
    {"--json", "", "Print the result as JSON"},
    {"--places", "", "Add each player's chance of each paid place"},
    {"--bubble", "", "Add the bubble factors and risk premiums of every pair of players"},
    {"--bubble-seats", "LIST", "Limit --bubble to these seats (1, 2, ...), at most 50 of them"},
    {"--deal", "", "Add the ICM deal and the chip chop, in whole cents"},
    {"--set-aside", "X",
     "With --deal: X of first place left to play for; adds the guaranteed amounts"},
    {"--help", "", "Print this help (also -h)"},
};

// The kinds of fault of a command line, in the order they are reported.
enum Fault { kUnknown, kStray, kFlagValue, kRepeated, kConflict, kMissing, kFaultCount };

struct Scan {
    std::array<std::optional<UsageError>, kFaultCount> faults;
    std::array<int, kOptionCount> position{}; // argv index of each option's first use, 0: none
    std::array<std::string_view, kOptionCount> value;
    bool help = false;

    void Note(Fault fault, UsageError error) {
        if (!faults[fault])
            faults[fault] = std::move(error);
    }
};

int Find(std::string_view name) {
    for (int o = 0; o < kOptionCount; ++o)
        if (kOptions[o].name == name)
            return o;
    return -1;
}

// An option takes the next argument as its value unless that one is itself an option, so
// that a value left out is named as such; a negative number is a value.
bool IsOptionLike(std::string_view arg) {
    return arg.starts_with("--") || arg == "-h";
}

// An argument that no option takes: a dash and a letter make it an option of the wrong
// name, anything else (a negative number among them) a stray value.
void NoteUnexpected(Scan& scan, std::string_view arg) {
    if (arg.size() > 1 && arg[0] == '-' && !(arg[1] >= '0' && arg[1] <= '9') && arg[1] != '.')
        scan.Note(kUnknown, UsageError(Refusal::UnknownOption, {arg}));
    else
        scan.Note(kStray, UsageError(Refusal::UnexpectedArgument, {arg}));
}

void NoteValue(Scan& scan, int o, std::string_view value) {
    const std::string_view name = kOptions[o].name;
    if (o == kInput ? value.empty() : IsBlank(value))
        scan.Note(kStray, UsageError(o == kChips || o == kPayouts ? Refusal::EmptyList
                                                                  : Refusal::EmptyValue,
                                     {name}));
    scan.value[o] = value;
}

void NoteUse(Scan& scan, int o, int index) {
    if (scan.position[o] != 0)
        scan.Note(kRepeated, UsageError(Refusal::Repeated, {kOptions[o].name}));
    else
        scan.position[o] = index;
}

Scan ScanArguments(int argc, const char* const argv[]) {
    Scan scan;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (optionsEnded || !arg.starts_with("--") || arg == "--") {
            if (!optionsEnded && arg == "--")
                optionsEnded = true;
            else if (!optionsEnded && arg == "-h")
                scan.help = true;
            else
                NoteUnexpected(scan, arg);
            continue;
        }
        const std::size_t equals = arg.find('=');
        const int o = Find(arg.substr(0, equals));
        if (o < 0) {
            scan.Note(kUnknown, UsageError(Refusal::UnknownOption, {arg}));
            continue;
        }
        const std::string_view name = kOptions[o].name;
        if (kOptions[o].value.empty()) {
            if (equals != std::string_view::npos)
                scan.Note(kFlagValue, UsageError(Refusal::FlagValue, {name, arg}));
            else if (o == kHelp)
                scan.help = true;
            else
                NoteUse(scan, o, i);
            continue;
        }
        NoteUse(scan, o, i);
        if (equals != std::string_view::npos)
            NoteValue(scan, o, arg.substr(equals + 1));
        else if (i + 1 < argc && !IsOptionLike(argv[i + 1]))
            NoteValue(scan, o, argv[++i]);
        else
            scan.Note(kStray, UsageError(Refusal::MissingValue, {name}));
    }
    return scan;
}

// A table comes either from the command line or from a file, and a command-line table
// needs both lists.
void CheckCombination(Scan& scan) {
    const auto given = [&](int o) { return scan.position[o] != 0; };
    if (given(kInput)) {
        int first = -1;
        for (int o : {kChips, kPayouts, kPool})
            if (given(o) && (first < 0 || scan.position[o] < scan.position[first]))
                first = o;
        if (first >= 0)
            scan.Note(kConflict, UsageError(Refusal::Conflict, {kOptions[first].name}));
    } else if (!given(kChips) && !given(kPayouts)) {
        scan.Note(kMissing, UsageError(Refusal::NoTable));
    } else if (!given(kChips) || !given(kPayouts)) {
        const int missing = given(kChips) ? kPayouts : kChips;
        scan.Note(kMissing,
                  UsageError(Refusal::Requires,
                             {kOptions[missing].name, kOptions[kChips + kPayouts - missing].name}));
    }
}

// Options that only refine another one.
void CheckRefinements(Scan& scan) {
    for (const auto& [refinement, base] : {std::pair{kBubbleSeats, kBubble}, {kSetAside, kDeal}})
        if (scan.position[refinement] != 0 && scan.position[base] == 0)
            scan.Note(kMissing, UsageError(Refusal::Requires,
                                           {kOptions[base].name, kOptions[refinement].name}));
}

std::string HelpText() {
    std::string text = "ICM equity of tournament players over the paid places.\n"
                       "Usage: tallyvane-icm --chips LIST --payouts LIST [--pool X] [--json] "
                       "[--places]\n"
                       "                     [--bubble [--bubble-seats LIST]] "
                       "[--deal [--set-aside X]]\n"
                       "       tallyvane-icm --input FILE [--json] [--places] [--bubble ...] "
                       "[--deal ...]\n\nOptions:\n";
    for (const OptionSpec& option : kOptions) {
        std::string usage = std::string(option.name);
        if (!option.value.empty())
            usage += " " + std::string(option.value);
        usage.resize(std::max<std::size_t>(usage.size(), 19), ' ');
        text += "  " + usage + "  " + std::string(option.help) + "\n";
    }
    return text;
}

Arguments Convert(const Scan& scan) {
    Arguments args;
    for (std::string_view count : SplitList("--chips", scan.value[kChips]))
        args.chips.push_back(ParseInteger("--chips", count));
    for (std::string_view payout : SplitList("--payouts", scan.value[kPayouts]))
        args.payouts.push_back(ParseNumber("--payouts", payout));
    if (scan.position[kPool] != 0)
        args.pool = ParseNumber("--pool", scan.value[kPool]);
    return args;
}

// The options of the report, which a table from a file takes too.
void ConvertReport(const Scan& scan, Arguments& args) {
    const auto given = [&](int o) { return scan.position[o] != 0; };
    args.json = given(kJson);
    args.places = given(kPlaces);
    args.bubble = given(kBubble);
    args.deal = given(kDeal);
    if (given(kBubbleSeats)) {
        const auto seats = SplitList("--bubble-seats", scan.value[kBubbleSeats]);
        if (seats.size() > kMaxBubbleRows)
            throw UsageError(Refusal::TooManyBubbleSeats,
                             {std::to_string(seats.size()), std::to_string(kMaxBubbleRows)});
        for (std::string_view seat : seats)
            args.bubbleSeats.push_back(ParseInteger("--bubble-seats", seat));
    }
    if (given(kSetAside))
        args.setAside = ParseNumber("--set-aside", scan.value[kSetAside]);
}

} // namespace

CommandLine ParseCommandLine(int argc, const char* const argv[]) {
    Scan scan = ScanArguments(argc, argv);
    CommandLine line;
    if (scan.help) {
        line.helpRequested = true;
        line.helpText = HelpText();
        return line;
    }
    CheckCombination(scan);
    CheckRefinements(scan);
    for (const std::optional<UsageError>& fault : scan.faults)
        if (fault)
            throw *fault;
    if (scan.position[kInput] != 0)
        line.input = std::string(scan.value[kInput]);
    else
        line.arguments = Convert(scan);
    ConvertReport(scan, line.arguments);
    return line;
}
