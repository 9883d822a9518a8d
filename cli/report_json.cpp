#include "report.h"

#include "icm_money.h"
#include "json_text.h"

namespace {

// A list of numbers, ", "-separated as SpacedJson writes it.
void AppendNumbers(OutputBuffer& buffer, const double* first, std::size_t count) {
    std::string& text = buffer.Text();
    text += '[';
    for (std::size_t j = 0; j < count; ++j) {
        if (j > 0)
            text += ", ";
        AppendJsonNumber(text, first[j]);
        buffer.Step();
    }
    text += ']';
}

void AppendSeat(std::string& text, const Calculation& calc, std::size_t i) {
    text += "{\"seat\": " + std::to_string(i + 1) +
            ", \"chips\": " + std::to_string(calc.chips[i]) + ", \"equity\": ";
    AppendJsonNumber(text, calc.equity[i]);
    text += ", \"amount\": \"" + FormatAmount(calc.equity[i], calc.pool) + "\"}";
}

} // namespace

void WriteJson(const Calculation& calc, std::ostream& out) {
    OutputBuffer buffer(out);
    std::string& text = buffer.Text();
    text += "{\"pool\": ";
    AppendJsonNumber(text, calc.pool);
    text += ", \"shares\": ";
    AppendNumbers(buffer, calc.shares.data(), calc.shares.size());
    text += ", \"players\": [";
    for (std::size_t i = 0; i < calc.chips.size(); ++i) {
        if (i > 0)
            text += ", ";
        AppendSeat(text, calc, i);
        buffer.Step();
    }
    text += ']';
    if (!calc.places.empty()) {
        const std::size_t places = calc.shares.size();
        text += ", \"places\": [";
        for (std::size_t i = 0; i < calc.chips.size(); ++i) {
            if (i > 0)
                text += ", ";
            AppendNumbers(buffer, calc.places.data() + i * places, places);
        }
        text += ']';
    }
    AppendDecisionsJson(buffer, calc);
    text += "}\n";
}
