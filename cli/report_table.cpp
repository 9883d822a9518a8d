#include "report.h"

#include "icm_money.h"

#include <cstdint>
#include <cstdio>

namespace {

std::int64_t ChipSum(const Calculation& calc) {
    std::int64_t sum = 0;
    for (int count : calc.chips)
        sum += count;
    return sum;
}

// printf into a string of whatever length the text needs.
template <typename... Values> std::string Printed(const char* format, Values... values) {
    const int length = std::snprintf(nullptr, 0, format, values...);
    std::string text(static_cast<std::size_t>(length), '\0');
    std::snprintf(text.data(), text.size() + 1, format, values...);
    return text;
}

void AppendRow(std::string& line, const Calculation& calc, std::size_t i, double total) {
    const int chips = calc.chips[i];
    line += Printed("%4d  %11d  %9.2f%%  %9.2f%%  %14s", static_cast<int>(i + 1), chips,
                    chips / total * 100.0, calc.equity[i] * 100.0,
                    FormatAmount(calc.equity[i], calc.pool).c_str());
    const std::size_t places = calc.shares.size();
    for (std::size_t j = 0; !calc.places.empty() && j < places; ++j)
        line += Printed("  %8.2f%%", calc.places[i * places + j] * 100.0);
    line += '\n';
}

} // namespace

void WriteTable(const Calculation& calc, std::ostream& out) {
    OutputBuffer buffer(out);
    std::string& text = buffer.Text();
    text +=
        Printed("%4s  %11s  %10s  %10s  %14s", "Seat", "Chips", "Chips %", "Equity %", "Amount");
    for (std::size_t j = 0; !calc.places.empty() && j < calc.shares.size(); ++j)
        text += Printed("  %9s", ("Place " + std::to_string(j + 1)).c_str());
    text += "\n";
    const double total = static_cast<double>(ChipSum(calc));
    for (std::size_t i = 0; i < calc.chips.size(); ++i)
        if (calc.chips[i] != 0) {
            AppendRow(text, calc, i, total);
            buffer.Step();
        }
    AppendDecisionsTable(buffer, calc);
}
