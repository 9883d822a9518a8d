#include "report.h"

#include "icm_money.h"
#include "json_text.h"

namespace {

nlohmann::ordered_json Seat(const Calculation& calc, std::size_t i) {
    nlohmann::ordered_json seat;
    seat["seat"] = i + 1;
    seat["chips"] = calc.chips[i];
    seat["equity"] = JsonNumber(calc.equity[i]);
    seat["amount"] = FormatAmount(calc.equity[i], calc.pool);
    return seat;
}

nlohmann::ordered_json Places(const Calculation& calc) {
    const std::size_t places = calc.shares.size();
    nlohmann::ordered_json rows = nlohmann::ordered_json::array();
    for (std::size_t i = 0; i < calc.chips.size(); ++i) {
        nlohmann::ordered_json row = nlohmann::ordered_json::array();
        for (std::size_t j = 0; j < places; ++j)
            row.push_back(JsonNumber(calc.places[i * places + j]));
        rows.push_back(row);
    }
    return rows;
}

} // namespace

std::string FormatJson(const Calculation& calc) {
    nlohmann::ordered_json doc;
    doc["pool"] = JsonNumber(calc.pool);
    doc["shares"] = nlohmann::ordered_json::array();
    for (double share : calc.shares)
        doc["shares"].push_back(JsonNumber(share));
    doc["players"] = nlohmann::ordered_json::array();
    for (std::size_t i = 0; i < calc.chips.size(); ++i)
        doc["players"].push_back(Seat(calc, i));
    if (!calc.places.empty())
        doc["places"] = Places(calc);
    return SpacedJson(doc) + "\n";
}
