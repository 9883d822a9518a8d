#include "json_text.h"

#include <nlohmann/json.hpp>

#include <charconv>
#include <cmath>
#include <cstdint>

void AppendJsonNumber(std::string& text, double value) {
    if (!std::isfinite(value)) {
        text += "null";
        return;
    }
    char digits[64];
    char* end;
    // Within +-2^63 an integral double converts to int64 exactly; a negative zero stays a
    // double, "-0.0", so that readers keep its sign.
    if (value == std::trunc(value) && std::fabs(value) < 9.2e18 &&
        !(value == 0 && std::signbit(value)))
        end = std::to_chars(digits, digits + sizeof digits, static_cast<std::int64_t>(value)).ptr;
    else // the library's own shortest form, the one its dump() writes
        end = nlohmann::detail::to_chars(digits, digits + sizeof digits, value);
    text.append(digits, end);
}
