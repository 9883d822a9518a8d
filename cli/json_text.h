#pragma once

#include <nlohmann/json.hpp>

#include <string>

// A double as JSON: integral finite values as integers (1000, not 1000.0) except a negative
// zero, which is -0.0; not-a-number and infinities as null; everything else in its shortest
// round-trip form.
nlohmann::ordered_json JsonNumber(double value);

// One line with a space after every colon and comma, keys in insertion order.
std::string SpacedJson(const nlohmann::ordered_json& value);
