#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

// Strict readers for the command line's numbers. Each throws UsageError naming `option`
// unless the whole text (surrounding blanks aside) is one number of the asked kind.

int ParseInteger(std::string_view option, std::string_view text);
double ParseNumber(std::string_view option, std::string_view text);

// Splits a comma-separated list of at most `limit` elements, none of them empty.
// `noun` names the elements in the message for too long a list ("counts", "payouts").
std::vector<std::string_view> SplitList(std::string_view option, std::string_view text,
                                        std::size_t limit, std::string_view noun);
