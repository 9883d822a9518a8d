// Property texts of the dialog-init data: "<Name>value</Name>" pairs in a row, as in
// "<MFCLink_Url>https://...</MFCLink_Url><MFCLink_Tooltip></MFCLink_Tooltip>".
// Values are taken literally; they cannot contain '<'.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct PropertyTag {
    std::string name;
    std::string value;
};

using PropertyTags = std::vector<PropertyTag>;

// The pairs in text order, or nothing when the text is not such a sequence: text
// outside a pair, an unclosed or mismatched tag, an empty name. White space between
// pairs is allowed.
std::optional<PropertyTags> ParsePropertyTags(std::string_view text);

// Value of the first pair called name, or nothing when there is none.
std::optional<std::string> FindPropertyTag(const PropertyTags& tags, std::string_view name);

// Value of name read as a decimal integer; nothing when absent or not a whole number.
std::optional<long> FindIntegerPropertyTag(const PropertyTags& tags, std::string_view name);
