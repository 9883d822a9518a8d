#include "report.h"

#include "json_text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

// The bubble matrix and the deal, after the equities: blocks of the table, keys of the JSON.

namespace {

std::string CentsText(Cents cents) {
    char text[32];
    std::snprintf(text, sizeof text, "%lld.%02lld", static_cast<long long>(cents / 100),
                  static_cast<long long>(cents % 100));
    return text;
}

// Each seat's row of the matrix, or -1 for a seat outside it.
std::vector<long> RowOfSeat(const BubbleMatrix& matrix, std::size_t seats) {
    std::vector<long> row(seats, -1);
    for (std::size_t r = 0; r < matrix.seats.size(); ++r)
        row[matrix.seats[r]] = static_cast<long>(r);
    return row;
}

// One array over all seats for each seat in the matrix, null for the seats outside it: a
// row of nulls per seat would make a few rows of a large field cost megabytes.
void AppendMatrixJson(OutputBuffer& buffer, const BubbleMatrix& matrix,
                      const std::vector<double>& values, std::size_t seats) {
    const std::vector<long> row = RowOfSeat(matrix, seats);
    const std::size_t m = matrix.seats.size();
    std::string& text = buffer.Text();
    text += '[';
    for (std::size_t i = 0; i < seats; ++i) {
        if (i > 0)
            text += ", ";
        if (row[i] < 0) {
            text += "null";
            continue;
        }
        text += '[';
        for (std::size_t j = 0; j < seats; ++j) {
            if (j > 0)
                text += ", ";
            if (row[j] < 0)
                text += "null";
            else
                AppendJsonNumber(text, values[static_cast<std::size_t>(row[i]) * m +
                                              static_cast<std::size_t>(row[j])]);
            buffer.Step();
        }
        text += ']';
    }
    text += ']';
}

void AppendCentsJson(OutputBuffer& buffer, const std::vector<Cents>& amounts) {
    std::string& text = buffer.Text();
    text += '[';
    for (std::size_t i = 0; i < amounts.size(); ++i) {
        if (i > 0)
            text += ", ";
        AppendJsonNumber(text, static_cast<double>(amounts[i]) / 100);
        buffer.Step();
    }
    text += ']';
}

// A square block with the seats as row and column headings; `cell` formats one value.
template <typename Cell>
void AppendMatrixTable(OutputBuffer& buffer, const BubbleMatrix& matrix, const char* title,
                       const std::vector<double>& values, Cell cell) {
    const std::size_t m = matrix.seats.size();
    std::string& text = buffer.Text();
    text += "\n" + std::string(title) + " (row against column)\nSeat";
    char field[48];
    for (const std::size_t seat : matrix.seats) {
        std::snprintf(field, sizeof field, "  %7zu", seat + 1);
        text += field;
    }
    text += '\n';
    for (std::size_t r = 0; r < m; ++r) {
        std::snprintf(field, sizeof field, "%4zu", matrix.seats[r] + 1);
        text += field;
        for (std::size_t c = 0; c < m; ++c) {
            const double value = values[r * m + c];
            text += std::isfinite(value) ? cell(value) : std::string("        -");
        }
        text += '\n';
        buffer.Step();
    }
}

std::string Printed(const char* format, double value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

void AppendDealTable(OutputBuffer& buffer, const Calculation& calc) {
    const IcmDeal& deal = *calc.deal;
    std::string& text = buffer.Text();
    text += "\nDeal: " + CentsText(deal.dealt) + " in play";
    if (calc.setAside)
        text += ", " + CentsText(*calc.setAside) + " of first place left to play for";
    text += "\nSeat        ICM deal       Chip chop";
    if (calc.setAside)
        text += "      Guaranteed";
    text += '\n';
    char field[64];
    for (std::size_t i = 0; i < calc.chips.size(); ++i) {
        if (calc.chips[i] == 0)
            continue;
        std::snprintf(field, sizeof field, "%4zu  %14s  %14s", i + 1,
                      CentsText(deal.icm[i]).c_str(), CentsText(deal.chipChop[i]).c_str());
        text += field;
        if (calc.setAside) {
            std::snprintf(field, sizeof field, "  %14s", CentsText(deal.guaranteed[i]).c_str());
            text += field;
        }
        text += '\n';
        buffer.Step();
    }
}

} // namespace

void AppendDecisionsJson(OutputBuffer& buffer, const Calculation& calc) {
    std::string& text = buffer.Text();
    if (calc.bubble) {
        text += ", \"bubble\": ";
        AppendMatrixJson(buffer, *calc.bubble, calc.bubble->factor, calc.chips.size());
        text += ", \"risk_premium\": ";
        AppendMatrixJson(buffer, *calc.bubble, calc.bubble->premium, calc.chips.size());
    }
    if (calc.deal) {
        text += ", \"deal\": {\"icm\": ";
        AppendCentsJson(buffer, calc.deal->icm);
        text += ", \"chip_chop\": ";
        AppendCentsJson(buffer, calc.deal->chipChop);
        if (calc.setAside) {
            text += ", \"set_aside\": ";
            AppendJsonNumber(text, static_cast<double>(*calc.setAside) / 100);
            text += ", \"guaranteed\": ";
            AppendCentsJson(buffer, calc.deal->guaranteed);
        }
        text += '}';
    }
}

void AppendDecisionsTable(OutputBuffer& buffer, const Calculation& calc) {
    if (calc.bubble) {
        AppendMatrixTable(buffer, *calc.bubble, "Bubble factors", calc.bubble->factor,
                          [](double bf) { return Printed("  %7.3f", bf); });
        AppendMatrixTable(buffer, *calc.bubble, "Risk premiums", calc.bubble->premium,
                          [](double rp) { return Printed("  %6.2f%%", rp * 100); });
    }
    if (calc.deal)
        AppendDealTable(buffer, calc);
}
