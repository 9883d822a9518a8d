// libFuzzer target for the command line: the input is split at NUL bytes into arguments (a
// real argument can hold any byte but NUL) and run through the tool in-process. An argument
// that is the single byte 0xFF ends the arguments: the bytes after it are standard input, for
// "--input -". Whatever the arguments, the tool must not crash and must keep its contract:
// status 0 with a report and nothing on standard error, or status 2 with one printable line
// on standard error, made from one of the tool's own refusal templates, and nothing on
// standard output.
#include "arguments.h"
#include "calculation.h"
#include "run.h"
#include "table_input.h"
#include "usage_error.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

// The whole-table engine's time doubles with every player; it takes more than this many only
// for negative counts, and there the fuzzer would spend its budget computing instead of trying
// arguments, so such tables are only parsed.
constexpr std::size_t kMaxWholeTablePlayers = 16;

[[noreturn]] void Fail(const char* what, int status, const std::string& out,
                       const std::string& err) {
    std::fprintf(stderr, "cli_fuzz: %s (status %d)\nstdout: %s\nstderr: %s\n", what, status,
                 Quoted(out).c_str(), Quoted(err).c_str());
    std::abort();
}

bool OnePrintableLine(const std::string& text) {
    if (text.empty() || text.back() != '\n')
        return false;
    for (std::size_t i = 0; i + 1 < text.size(); ++i)
        if (text[i] < 0x20 || text[i] > 0x7e)
            return false;
    return true;
}

// Takes a text as Quoted writes it off the front of `s`.
bool TakeQuoted(std::string_view& s) {
    if (s.empty() || s[0] != '"')
        return false;
    std::size_t i = 1;
    while (i < s.size() && s[i] != '"') {
        if (s[i] != '\\') {
            ++i;
            continue;
        }
        const std::string_view escape = s.substr(i + 1);
        const auto hex = [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); };
        if (escape.size() >= 3 && escape[0] == 'x' && hex(escape[1]) && hex(escape[2]))
            i += 4;
        else if (!escape.empty() && std::strchr("\"\\ntr", escape[0]) != nullptr)
            i += 2;
        else
            return false;
    }
    if (i >= s.size())
        return false;
    s.remove_prefix(i + 1);
    return true;
}

// Takes one or more characters of a class off the front of `s`.
template <typename Class> bool TakeRun(std::string_view& s, Class belongs) {
    std::size_t i = 0;
    while (i < s.size() && belongs(s[i]))
        ++i;
    s.remove_prefix(i);
    return i > 0;
}

// Whether `message` is `pattern` with its placeholders filled as UsageError fills them.
bool Matches(std::string_view pattern, std::string_view message) {
    while (!pattern.empty()) {
        bool taken;
        if (pattern.starts_with("{text}")) {
            pattern.remove_prefix(6);
            taken = TakeQuoted(message);
        } else if (pattern.starts_with("{n}")) {
            pattern.remove_prefix(3);
            taken = TakeRun(message, [](char c) { return c >= '0' && c <= '9'; });
        } else if (pattern.starts_with("{option}")) {
            pattern.remove_prefix(8);
            taken = message.starts_with("--");
            if (taken) {
                message.remove_prefix(2);
                // Option names hold dashes too: --bubble-seats, --set-aside.
                taken = TakeRun(message, [](char c) { return (c >= 'a' && c <= 'z') || c == '-'; });
            }
        } else {
            taken = !message.empty() && message[0] == pattern[0];
            pattern.remove_prefix(1);
            message.remove_prefix(taken ? 1 : 0);
        }
        if (!taken)
            return false;
    }
    return message.empty();
}

bool IsOwnRefusal(const std::string& err) {
    constexpr std::string_view kPrefix = "tallyvane-icm: ";
    if (!err.starts_with(kPrefix))
        return false;
    const std::string_view message =
        std::string_view(err).substr(kPrefix.size(), err.size() - kPrefix.size() - 1);
    const auto templates = RefusalTemplates();
    return std::any_of(templates.begin(), templates.end(),
                       [&](std::string_view pattern) { return Matches(pattern, message); });
}

// Arguments the fuzzer should not run: a file that exists to read (it could be /dev/zero), or
// a table that only the whole-table engine can take and that is too large for it. A name that
// does not exist is run: its refusal is part of the contract.
bool NotToRun(const std::vector<const char*>& argv, const std::string& input) {
    for (std::size_t i = 1; i < argv.size(); ++i) {
        const std::string_view arg = argv[i];
        std::string name;
        if (arg.starts_with("--input="))
            name = arg.substr(8);
        else if (arg == "--input" && i + 1 < argv.size())
            name = argv[i + 1];
        std::error_code error;
        if (!name.empty() && name != "-" && std::filesystem::exists(name, error))
            return true;
    }
    // Only a list with as many commas can make such a table: parse a second time only then.
    if (std::count_if(argv.begin(), argv.end(),
                      [](const char* arg) { return std::strchr(arg, ','); }) == 0 &&
        std::count(input.begin(), input.end(), ',') == 0)
        return false;
    try {
        CommandLine line = ParseCommandLine(static_cast<int>(argv.size()), argv.data());
        if (line.helpRequested)
            return false;
        if (line.input && *line.input == "-")
            ReadTableJson(*line.input, input, line.arguments);
        if (ChooseEngine(line.arguments.chips, line.arguments.payouts.size()) != Engine::WholeTable)
            return false;
        const auto players = line.arguments.chips.size() -
                             static_cast<std::size_t>(std::count(line.arguments.chips.begin(),
                                                                 line.arguments.chips.end(), 0));
        return players > kMaxWholeTablePlayers;
    } catch (const UsageError&) {
        return false;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> args{"tallyvane-icm"};
    std::string input;
    std::size_t i = 0;
    if (size > 0)
        args.emplace_back();
    for (; i < size; ++i) {
        if (data[i] != 0) {
            args.back() += static_cast<char>(data[i]);
        } else if (args.back() == "\xff") {
            args.pop_back();
            input.assign(reinterpret_cast<const char*>(data) + i + 1, size - i - 1);
            break;
        } else {
            args.emplace_back();
        }
    }
    std::vector<const char*> argv;
    for (const std::string& arg : args)
        argv.push_back(arg.c_str());
    if (NotToRun(argv, input))
        return 0;

    std::istringstream in(input);
    std::ostringstream out, err;
    const int status = RunCommandLine(static_cast<int>(argv.size()), argv.data(), in, out, err);
    if (status == 0) {
        if (out.str().empty() || !err.str().empty())
            Fail("success without a report, or with a message", status, out.str(), err.str());
    } else if (status == 2) {
        if (!out.str().empty() || !OnePrintableLine(err.str()))
            Fail("refusal that is not one printable line on standard error alone", status,
                 out.str(), err.str());
        if (!IsOwnRefusal(err.str()))
            Fail("refusal that is not one of the tool's own messages", status, out.str(),
                 err.str());
    } else {
        Fail("exit status other than 0 or 2", status, out.str(), err.str());
    }
    return 0;
}
