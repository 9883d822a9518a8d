#pragma once

#include <string>

// A double as JSON, appended to `text`: integral finite values as integers (1000, not
// 1000.0) except a negative zero, which is -0.0; not-a-number and infinities as null;
// everything else in its shortest round-trip form, as nlohmann-json writes it.
void AppendJsonNumber(std::string& text, double value);
