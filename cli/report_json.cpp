#include "report.h"

#include "json_text.h"

namespace {

nlohmann::ordered_json Seat(const Calculation& calc, int i) {
    nlohmann::ordered_json seat;
    seat["seat"] = i + 1;
    seat["chips"] = calc.chips[i];
    seat["equity"] = JsonNumber(calc.equity[i]);
    seat["amount"] = FormatAmount(calc.equity[i], calc.pool);
    return seat;
}

} // namespace

std::string FormatJson(const Calculation& calc) {
    nlohmann::ordered_json doc;
    doc["pool"] = JsonNumber(calc.pool);
    doc["shares"] = nlohmann::ordered_json::array();
    for (double share : calc.shares)
        doc["shares"].push_back(JsonNumber(share));
    doc["players"] = nlohmann::ordered_json::array();
    for (int i = 0; i < ICM_PLAYERS; ++i)
        doc["players"].push_back(Seat(calc, i));
    return SpacedJson(doc) + "\n";
}
