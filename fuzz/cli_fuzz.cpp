// libFuzzer target for the command line: the input is split at NUL bytes into arguments (a
// real argument can hold any byte but NUL) and run through the tool in-process. Whatever the
// arguments, the tool must not crash and must keep its contract: status 0 with a report and
// nothing on standard error, or status 2 with one printable line on standard error and nothing
// on standard output.
#include "arguments.h"
#include "run.h"
#include "usage_error.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

namespace {

// The whole-table engine's time doubles with every seat; past this many the fuzzer would
// spend its budget computing instead of trying arguments, so such tables are only parsed.
constexpr std::size_t kMaxComputedSeats = 12;

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

bool TooLargeToCompute(const std::vector<std::string>& args, const std::vector<const char*>& argv) {
    // Only a list with that many commas can make such a table: parse a second time only then.
    const auto longList = [](const std::string& arg) {
        return static_cast<std::size_t>(std::count(arg.begin(), arg.end(), ',')) >=
               kMaxComputedSeats;
    };
    if (std::none_of(args.begin(), args.end(), longList))
        return false;
    try {
        const CommandLine line = ParseCommandLine(static_cast<int>(argv.size()), argv.data());
        return line.arguments.chips.size() > kMaxComputedSeats ||
               line.arguments.payouts.size() > kMaxComputedSeats;
    } catch (const UsageError&) {
        return false;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> args{"tallyvane-icm"};
    if (size > 0)
        args.emplace_back();
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0)
            args.emplace_back();
        else
            args.back() += static_cast<char>(data[i]);
    }
    std::vector<const char*> argv;
    for (const std::string& arg : args)
        argv.push_back(arg.c_str());
    if (TooLargeToCompute(args, argv))
        return 0;

    std::ostringstream out, err;
    const int status = RunCommandLine(static_cast<int>(argv.size()), argv.data(), out, err);
    if (status == 0) {
        if (out.str().empty() || !err.str().empty())
            Fail("success without a report, or with a message", status, out.str(), err.str());
    } else if (status == 2) {
        if (!out.str().empty() || !OnePrintableLine(err.str()) ||
            err.str().rfind("tallyvane-icm: ", 0) != 0)
            Fail("refusal that is not one printable line on standard error alone", status,
                 out.str(), err.str());
    } else {
        Fail("exit status other than 0 or 2", status, out.str(), err.str());
    }
    return 0;
}
