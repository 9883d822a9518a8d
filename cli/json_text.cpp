#include "json_text.h"

#include <cmath>
#include <cstdint>

nlohmann::ordered_json JsonNumber(double value) {
    if (!std::isfinite(value))
        return nullptr;
    // Within +-2^63 an integral double converts to int64 exactly; a negative zero stays a
    // double, "-0.0", so that readers keep its sign.
    if (value == std::trunc(value) && std::fabs(value) < 9.2e18 &&
        !(value == 0 && std::signbit(value)))
        return static_cast<std::int64_t>(value);
    return value;
}

std::string SpacedJson(const nlohmann::ordered_json& value) {
    const bool object = value.is_object();
    if (!object && !value.is_array())
        return value.dump();
    std::string text = object ? "{" : "[";
    const char* separator = "";
    for (auto it = value.begin(); it != value.end(); ++it) {
        text += separator;
        if (object)
            text += nlohmann::ordered_json(it.key()).dump() + ": ";
        text += SpacedJson(it.value());
        separator = ", ";
    }
    return text + (object ? "}" : "]");
}
