#include "report.h"

#include <cstdint>
#include <cstdio>

namespace {

std::int64_t ChipSum(const Calculation& calc) {
    std::int64_t sum = 0;
    for (int count : calc.chips)
        sum += count;
    return sum;
}

std::string Row(int seat, int chips, double chipPercent, double equityPercent,
                const std::string& amount) {
    char line[512];
    std::snprintf(line, sizeof line, "%4d  %11d  %9.2f%%  %9.2f%%  %14s\n", seat, chips,
                  chipPercent, equityPercent, amount.c_str());
    return line;
}

} // namespace

std::string FormatTable(const Calculation& calc) {
    char heading[128];
    std::snprintf(heading, sizeof heading, "%4s  %11s  %10s  %10s  %14s\n", "Seat", "Chips",
                  "Chips %", "Equity %", "Amount");
    std::string text = heading;
    const double total = static_cast<double>(ChipSum(calc));
    for (int i = 0; i < ICM_PLAYERS; ++i) {
        if (calc.chips[i] == 0)
            continue;
        text += Row(i + 1, calc.chips[i], calc.chips[i] / total * 100.0, calc.equity[i] * 100.0,
                    FormatAmount(calc.equity[i], calc.pool));
    }
    return text;
}
